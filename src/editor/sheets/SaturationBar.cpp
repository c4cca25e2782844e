#include "editor/sheets/SaturationBar.h"

#include "canvas/CanvasScripts.h"
#include "canvas/WebViewViewController.h"
#include "components/TextSaturationCustomSlider.h"
#include "core/RxBus.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorEvents.h"
#include "editor/SidePanelValues.h"
#include "editor/sheets/SheetValues.h"

#include <algorithm>

namespace {
constexpr QRgb lightCursor = 0xD7D7D7;
constexpr QRgb darkCursor = 0x282828;
constexpr QRgb initialEndColor = 0x1B1B1B;
constexpr int darkBelowBrightness = 50;

GradientSliderBar::Row saturationRow()
{
    return { QStringLiteral("Saturation"), QString(),
        [](int saturation, bool isAddToUndo) {
            RxBus::shared().post(EditFontEvent::SaturationChangeEvent { double(saturation), isAddToUndo });
        },
        [](double p) { return SheetValues::truncatedScale(p, 100); } };
}

CustomSlider* makeWhiteToHue(SliderActions actions, QWidget* parent)
{
    TextSaturationSliderOptions options;
    options.startColor = Qt::white;
    options.endColor = QColor::fromRgb(initialEndColor);
    options.cursorColor = Qt::white;
    options.startColorType = SaturationBar::startColorType;
    options.endColorType = SaturationBar::endColorType;
    return new TextSaturationCustomSlider(1.0, options, std::move(actions), parent);
}
} // namespace

SaturationBar::SaturationBar(EditLogoViewModel& model, QWidget* parent)
    : GradientSliderBar(saturationRow(), makeWhiteToHue, parent)
    , m_values(model.panelValues())
    , m_canvas(model.canvas())
{
    const CanvasBrightnessAndSaturationModel& current = m_values.canvasBrightnessAndSaturationModel();
    placeValue(double(current.saturation));
    m_canvas.evaluate(CanvasScripts::activeAttributes());
    setDefaultValue(double(current.saturation));
    connect(&m_values, &SidePanelValues::canvasBrightnessAndSaturationModelChanged, this, &SaturationBar::modelChanged);

    // A gradient fill keeps the track's first colours.
    if (!current.fill.gradientUnits.isEmpty())
        return;
    slider()->setCursorColor(QColor::fromRgb(current.brightness < darkBelowBrightness ? lightCursor : darkCursor));
    requestTrackColors();
    subscribeEvent<EditLogoViewEvent::getHslToRgb>(this, [this](const EditLogoViewEvent::getHslToRgb& e) {
        const HslToRgbModle& answer = e.hslToRgbModle;
        if (answer.type == startColorType)
            slider()->setStartColor(Qt::white);
        else if (answer.type == endColorType)
            slider()->setEndColor(
                QColor(std::clamp(answer.r, 0, 255), std::clamp(answer.g, 0, 255), std::clamp(answer.b, 0, 255)));
    });
}

TextSaturationCustomSlider* SaturationBar::slider() const
{
    // makeWhiteToHue built it.
    return static_cast<TextSaturationCustomSlider*>(GradientSliderBar::slider());
}

void SaturationBar::requestTrackColors()
{
    const CanvasBrightnessAndSaturationModel& current = m_values.canvasBrightnessAndSaturationModel();
    m_canvas.evaluate(CanvasScripts::hsltorgb(current.hue, 0, current.brightness, startColorType));
    m_canvas.evaluate(CanvasScripts::hsltorgb(current.hue, 100, current.brightness, endColorType));
}

void SaturationBar::modelChanged()
{
    requestTrackColors();
    placeValue(double(m_values.canvasBrightnessAndSaturationModel().saturation));
}
