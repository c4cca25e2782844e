#include "editor/sheets/OpacityBar.h"

#include "core/RxBus.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorEvents.h"
#include "editor/SidePanelValues.h"
#include "editor/sheets/SheetValues.h"

#include <cmath>

namespace {
constexpr QRgb light = 0xF5F5F5;
constexpr QRgb dark = 0x1B1B1B;

GradientSliderBar::Row opacityRow()
{
    return { QStringLiteral("Opacity"), QStringLiteral("%"),
        [](int opacity, bool isAddToUndo) {
            RxBus::shared().post(EditFontEvent::OpacityChangeEvent { opacity, isAddToUndo });
        },
        [](double v) { return SheetValues::truncatedScaleViaFloat(v, 100); } };
}
} // namespace

OpacityBar::OpacityBar(EditLogoViewModel& model, QWidget* parent)
    : GradientSliderBar(opacityRow(), plainSlider(light, dark), parent)
    , m_model(model)
    , m_values(model.panelValues())
{
    load();
}

void OpacityBar::load()
{
    // A text that does not read as a number counts as 0.
    const double parsed = static_cast<double>(SheetValues::parseCFloat(opacityText()).value_or(0.0f));
    const double fraction = std::isfinite(parsed) ? parsed : 0;
    const double percent = SheetValues::sanitized(fraction * 100, 0, 100);
    showValue(percent);
    slider()->setHue(fraction);
    setDefaultValue(percent);
}

void OpacityBar::moved(double position)
{
    writeOpacityText(SheetValues::shortestFloatText(static_cast<float>(position)));
}

QString OpacityBar::opacityText() const
{
    if (m_model.selection() == EditorSelection::Graphic)
        return m_values.canvasPathModel().opacity;
    return m_values.canvasTextModel().opacity;
}

void OpacityBar::writeOpacityText(const QString& text)
{
    if (m_model.selection() == EditorSelection::Graphic) {
        CanvasPathModel path = m_values.canvasPathModel();
        path.opacity = text;
        m_values.setCanvasPathModel(path);
        return;
    }
    CanvasTextModel textModel = m_values.canvasTextModel();
    textModel.opacity = text;
    m_values.setCanvasTextModel(textModel);
}
