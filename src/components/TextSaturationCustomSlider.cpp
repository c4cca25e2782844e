#include "components/TextSaturationCustomSlider.h"

TextSaturationCustomSlider::TextSaturationCustomSlider(
    double hue, const TextSaturationSliderOptions& options, SliderActions actions, QWidget* parent)
    : CustomSlider(hue, options.ratio, options.sliderSize, colorsFrom(options), std::move(actions), parent)
    , m_options(options)
{
}

CustomSlider::Colors TextSaturationCustomSlider::colorsFrom(const TextSaturationSliderOptions& options)
{
    return { options.startColor, options.endColor, options.cursorColor,
        { { 0.0, options.startColor }, { 1.0, options.endColor } } };
}

void TextSaturationCustomSlider::setStartColor(const QColor& color)
{
    m_options.startColor = color;
    setColors(colorsFrom(m_options));
}

void TextSaturationCustomSlider::setEndColor(const QColor& color)
{
    m_options.endColor = color;
    setColors(colorsFrom(m_options));
}

void TextSaturationCustomSlider::setCursorColor(const QColor& color)
{
    m_options.cursorColor = color;
    setColors(colorsFrom(m_options));
}
