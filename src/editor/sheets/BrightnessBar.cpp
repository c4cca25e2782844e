#include "editor/sheets/BrightnessBar.h"

#include "canvas/CanvasScripts.h"
#include "canvas/WebViewViewController.h"
#include "components/CustomSlider.h"
#include "core/RxBus.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorEvents.h"
#include "editor/sheets/SheetValues.h"
#include "editor/sheets/SliderRow.h"

#include <QLabel>

namespace {
constexpr QRgb dark = 0x1B1B1B;
constexpr QRgb light = 0xF5F5F5;

void postBrightness(int brightness, bool isAddToUndo)
{
    RxBus::shared().post(EditFontEvent::BrightnessChangeEvent { brightness, isAddToUndo });
}
} // namespace

BrightnessBar::BrightnessBar(EditLogoViewModel& model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
{
    CustomSliderOptions options;
    options.startColor = dark;
    options.endColor = light;
    options.gradient = { { 0.0, QColor::fromRgb(dark) }, { 1.0, QColor::fromRgb(light) } };
    m_slider = new CustomSlider(1.0, options,
        { [this](double p) {
             postBrightness(SheetValues::truncatedScale(p, 100), true);
             showBrightness(p * 100);
         },
            [this](double p) {
                postBrightness(SheetValues::truncatedClamped(m_brightnessDefaultValue, 0, 100), true);
                postBrightness(SheetValues::truncatedScale(p, 100), false);
            },
            [](double) {} },
        this);
    m_valueLabel = SliderRow::build(this, QStringLiteral("Brightness"), m_slider);

    showBrightness(100 - double(model.canvasBrightnessAndSaturationModel().brightness));
    m_slider->setHue(m_brightness / 100);
    connect(&model, &EditLogoViewModel::canvasBrightnessAndSaturationModelChanged, this, &BrightnessBar::modelChanged);
    model.canvas().evaluate(CanvasScripts::activeAttributes());
}

void BrightnessBar::modelChanged()
{
    const int brightness = m_model.canvasBrightnessAndSaturationModel().brightness;
    m_brightnessDefaultValue = double(brightness);
    showBrightness(100 - double(brightness));
    m_slider->setHue(m_brightness / 100);
}

void BrightnessBar::showBrightness(double brightness)
{
    m_brightness = brightness;
    m_valueLabel->setText(QString::number(SheetValues::truncatedClamped(brightness, 0, 100)));
}
