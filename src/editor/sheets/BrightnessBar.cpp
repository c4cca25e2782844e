#include "editor/sheets/BrightnessBar.h"

#include "canvas/CanvasScripts.h"
#include "canvas/WebViewViewController.h"
#include "core/RxBus.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorEvents.h"
#include "editor/SidePanelValues.h"
#include "editor/sheets/SheetValues.h"

namespace {
constexpr QRgb dark = 0x1B1B1B;
constexpr QRgb light = 0xF5F5F5;

GradientSliderBar::Row brightnessRow()
{
    return { QStringLiteral("Brightness"), QString(),
        [](int brightness, bool isAddToUndo) {
            RxBus::shared().post(EditFontEvent::BrightnessChangeEvent { brightness, isAddToUndo });
        },
        [](double p) { return SheetValues::truncatedScale(p, 100); } };
}
} // namespace

BrightnessBar::BrightnessBar(EditLogoViewModel& model, QWidget* parent)
    : GradientSliderBar(brightnessRow(), plainSlider(dark, light), parent)
    , m_values(model.panelValues())
{
    placeValue(100 - double(m_values.canvasBrightnessAndSaturationModel().brightness));
    connect(&m_values, &SidePanelValues::canvasBrightnessAndSaturationModelChanged, this, &BrightnessBar::modelChanged);
    model.canvas().evaluate(CanvasScripts::activeAttributes());
}

void BrightnessBar::modelChanged()
{
    const int brightness = m_values.canvasBrightnessAndSaturationModel().brightness;
    setDefaultValue(double(brightness));
    placeValue(100 - double(brightness));
}
