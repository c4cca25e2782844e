#include "editor/sheets/OpacityBar.h"

#include "components/CustomSlider.h"
#include "core/RxBus.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorEvents.h"
#include "editor/sheets/SheetValues.h"
#include "editor/sheets/SliderRow.h"

#include <QLabel>
#include <cmath>

namespace {
constexpr QRgb light = 0xF5F5F5;
constexpr QRgb dark = 0x1B1B1B;

void postOpacity(int opacity, bool isAddToUndo)
{
    RxBus::shared().post(EditFontEvent::OpacityChangeEvent { opacity, isAddToUndo });
}
} // namespace

OpacityBar::OpacityBar(EditLogoViewModel& model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
{
    CustomSliderOptions options;
    options.startColor = light;
    options.endColor = dark;
    options.gradient = { { 0.0, QColor::fromRgb(light) }, { 1.0, QColor::fromRgb(dark) } };
    m_slider = new CustomSlider(1.0, options,
        { [this](double v) {
             postOpacity(SheetValues::truncatedScaleViaFloat(v, 100), true);
             writeOpacityText(SheetValues::shortestFloatText(static_cast<float>(v)));
             showOpacity(v * 100);
         },
            [this](double v) {
                postOpacity(SheetValues::truncatedClamped(m_opacityDefaultValue, 0, 100), true);
                postOpacity(SheetValues::truncatedScaleViaFloat(v, 100), false);
            },
            [](double) {} },
        this);
    m_valueLabel = SliderRow::build(this, QStringLiteral("Opacity"), m_slider);
    load();
}

void OpacityBar::load()
{
    // A text that does not read as a number counts as 0.
    const double parsed = static_cast<double>(SheetValues::parseCFloat(opacityText()).value_or(0.0f));
    const double fraction = std::isfinite(parsed) ? parsed : 0;
    const double percent = SheetValues::sanitized(fraction * 100, 0, 100);
    showOpacity(percent);
    m_slider->setHue(fraction);
    m_opacityDefaultValue = percent;
}

QString OpacityBar::opacityText() const
{
    if (m_model.selection() == EditorSelection::Graphic)
        return m_model.canvasPathModel().opacity;
    return m_model.canvasTextModel().opacity;
}

void OpacityBar::writeOpacityText(const QString& text)
{
    if (m_model.selection() == EditorSelection::Graphic) {
        CanvasPathModel path = m_model.canvasPathModel();
        path.opacity = text;
        m_model.setCanvasPathModel(path);
        return;
    }
    CanvasTextModel textModel = m_model.canvasTextModel();
    textModel.opacity = text;
    m_model.setCanvasTextModel(textModel);
}

void OpacityBar::showOpacity(double opacity)
{
    m_opacity = opacity;
    m_valueLabel->setText(QString::number(SheetValues::truncatedClamped(opacity, 0, 100)) + QStringLiteral("%"));
}
