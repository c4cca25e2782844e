#include "editor/sheets/SaturationBar.h"

#include "canvas/CanvasScripts.h"
#include "canvas/WebViewViewController.h"
#include "components/TextSaturationCustomSlider.h"
#include "core/RxBus.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorEvents.h"
#include "editor/sheets/SheetValues.h"
#include "editor/sheets/SliderRow.h"

#include <QLabel>
#include <algorithm>

namespace {
constexpr QRgb lightCursor = 0xD7D7D7;
constexpr QRgb darkCursor = 0x282828;
constexpr QRgb initialEndColor = 0x1B1B1B;
constexpr int darkBelowBrightness = 50;

void postSaturation(int saturation, bool isAddToUndo)
{
    RxBus::shared().post(EditFontEvent::SaturationChangeEvent { double(saturation), isAddToUndo });
}
} // namespace

SaturationBar::SaturationBar(EditLogoViewModel& model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
{
    TextSaturationSliderOptions options;
    options.startColor = Qt::white;
    options.endColor = QColor::fromRgb(initialEndColor);
    options.cursorColor = Qt::white;
    options.startColorType = startColorType;
    options.endColorType = endColorType;
    m_slider = new TextSaturationCustomSlider(1.0, options,
        { [this](double p) {
             postSaturation(SheetValues::truncatedScale(p, 100), true);
             showSaturation(p * 100);
         },
            [this](double p) {
                postSaturation(SheetValues::truncatedClamped(m_saturationDefaultValue, 0, 100), true);
                postSaturation(SheetValues::truncatedScale(p, 100), false);
            },
            [](double) {} },
        this);
    m_valueLabel = SliderRow::build(this, QStringLiteral("Saturation"), m_slider);

    const CanvasBrightnessAndSaturationModel& current = model.canvasBrightnessAndSaturationModel();
    showSaturation(double(current.saturation));
    m_slider->setHue(m_saturation / 100);
    model.canvas().evaluate(CanvasScripts::activeAttributes());
    m_saturationDefaultValue = double(current.saturation);
    connect(&model, &EditLogoViewModel::canvasBrightnessAndSaturationModelChanged, this, &SaturationBar::modelChanged);

    // A gradient fill keeps the track's first colours.
    if (!current.fill.gradientUnits.isEmpty())
        return;
    m_slider->setCursorColor(QColor::fromRgb(current.brightness < darkBelowBrightness ? lightCursor : darkCursor));
    requestTrackColors();
    subscribeEvent<EditLogoViewEvent::getHslToRgb>(this, [this](const EditLogoViewEvent::getHslToRgb& e) {
        const HslToRgbModle& answer = e.hslToRgbModle;
        if (answer.type == startColorType)
            m_slider->setStartColor(Qt::white);
        else if (answer.type == endColorType)
            m_slider->setEndColor(
                QColor(std::clamp(answer.r, 0, 255), std::clamp(answer.g, 0, 255), std::clamp(answer.b, 0, 255)));
    });
}

void SaturationBar::requestTrackColors()
{
    const CanvasBrightnessAndSaturationModel& current = m_model.canvasBrightnessAndSaturationModel();
    m_model.canvas().evaluate(CanvasScripts::hsltorgb(current.hue, 0, current.brightness, startColorType));
    m_model.canvas().evaluate(CanvasScripts::hsltorgb(current.hue, 100, current.brightness, endColorType));
}

void SaturationBar::modelChanged()
{
    requestTrackColors();
    showSaturation(double(m_model.canvasBrightnessAndSaturationModel().saturation));
    m_slider->setHue(m_saturation / 100);
}

void SaturationBar::showSaturation(double saturation)
{
    m_saturation = saturation;
    m_valueLabel->setText(QString::number(SheetValues::truncatedClamped(saturation, 0, 100)));
}
