#include "editor/sheets/SliderSheet.h"

#include "components/CustomSlider.h"
#include "editor/EditLogoViewModel.h"
#include "editor/sheets/SelectedObjectWatcher.h"
#include "editor/sheets/SheetStyle.h"
#include "editor/sheets/SheetValues.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr QRgb sliderGrey = 0xBFBFBF;
constexpr int rowGap = 8;
} // namespace

SliderSheet::SliderSheet(
    EditorPanel panel, const QString& titleKey, double scale, EditLogoViewModel& model, QWidget* parent)
    : SidePanelFrame(panel, { titleKey, 10, 10 }, SheetStyle::fixedBodyHeight, parent)
    , m_values(model.panelValues())
    , m_scale(scale)
    , m_valueLabel(SheetStyle::makeLabel(QString(), SheetStyle::rowPixelSize, SheetStyle::valueColor, body()))
    , m_slider(nullptr)
    , m_watcher(new SelectedObjectWatcher(model, this))
{
    CustomSliderOptions options;
    options.startColor = sliderGrey;
    options.endColor = sliderGrey;
    options.gradient = { { 0.0, QColor::fromRgb(sliderGrey) }, { 1.0, QColor::fromRgb(sliderGrey) } };
    auto* sliderFrame = new QWidget(body());
    sliderFrame->setFixedSize(SheetStyle::panelWidth, sliderFrameHeight);
    m_slider = new CustomSlider(1.0, options,
        { [this](double p) { onMove(p); }, [this](double p) { onChangeEnd(p); }, [](double) {} }, sliderFrame);
    m_slider->move((sliderFrame->width() - m_slider->width()) / 2, (sliderFrame->height() - m_slider->height()) / 2);

    auto* valueRow = new QHBoxLayout;
    valueRow->setContentsMargins(0, 0, SheetStyle::rowPadding, 0);
    valueRow->addStretch(1);
    valueRow->addWidget(m_valueLabel);

    auto* column = new QVBoxLayout(body());
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addStretch(1);
    column->addLayout(valueRow);
    column->addSpacing(rowGap);
    column->addWidget(sliderFrame);
    column->addStretch(1);

    connect(m_watcher, &SelectedObjectWatcher::selectedObjectChanged, this, &SliderSheet::load);
}

double SliderSheet::hue() const
{
    return m_slider->hue();
}

bool SliderSheet::disable() const
{
    return m_slider->disable();
}

void SliderSheet::setDisable(bool disable)
{
    m_slider->setDisable(disable);
}

void SliderSheet::startLoading()
{
    load();
}

void SliderSheet::load()
{
    const Reading reading = read();
    m_slider->setHue(reading.position);
    m_defaultValue = reading.value;
    showValue(reading.value);
}

void SliderSheet::onMove(double position)
{
    post(SheetValues::truncatedScaleViaFloat(position, m_scale), true);
    writeBack(SheetValues::truncatedFloatScale(position, static_cast<float>(m_scale)));
    showValue(position * m_scale);
}

void SliderSheet::onChangeEnd(double position)
{
    post(SheetValues::truncatedClamped(m_defaultValue, 0, m_scale), true);
    post(SheetValues::truncatedScaleViaFloat(position, m_scale), false);
}

void SliderSheet::showValue(double value)
{
    m_value = value;
    m_valueLabel->setText(labelText(SheetValues::truncatedClamped(value, 0, m_scale)));
}
