#include "editor/sheets/GradientSliderBar.h"

#include "editor/sheets/SheetStyle.h"
#include "editor/sheets/SheetValues.h"

#include <QLabel>
#include <QVBoxLayout>

GradientSliderBar::GradientSliderBar(Row row, const SliderFactory& makeSlider, QWidget* parent)
    : QWidget(parent)
    , m_row(std::move(row))
{
    m_slider = makeSlider({ [this](double p) { move(p); }, [this](double p) { endDrag(p); }, [](double) {} }, this);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, topSpace, 0, 0);
    column->setSpacing(0);
    column->addWidget(SheetStyle::makeTitleRow(m_row.titleKey, &m_valueLabel, this));
    column->addWidget(m_slider, 0, Qt::AlignHCenter);
    setFixedWidth(SheetStyle::panelWidth);
}

GradientSliderBar::SliderFactory GradientSliderBar::plainSlider(QRgb start, QRgb end)
{
    return [start, end](SliderActions actions, QWidget* parent) {
        CustomSliderOptions options;
        options.startColor = int(start);
        options.endColor = int(end);
        return new CustomSlider(1.0, options, std::move(actions), parent);
    };
}

void GradientSliderBar::showValue(double value)
{
    m_value = value;
    m_valueLabel->setText(QString::number(SheetValues::truncatedClamped(value, 0, 100)) + m_row.unit);
}

void GradientSliderBar::placeValue(double value)
{
    showValue(value);
    m_slider->setHue(m_value / 100);
}

void GradientSliderBar::move(double position)
{
    m_row.post(m_row.posted(position), true);
    moved(position);
    showValue(position * 100);
}

void GradientSliderBar::endDrag(double position)
{
    m_row.post(SheetValues::truncatedClamped(m_defaultValue, 0, 100), true);
    m_row.post(m_row.posted(position), false);
}
