#pragma once

#include "components/CustomSlider.h"

struct TextSaturationSliderOptions {
    int ratio = 1;
    QSizeF sliderSize { 235, 7 };
    QColor startColor = Qt::white;
    QColor endColor = Qt::white;
    QColor cursorColor = Qt::white;
    // Carried for the saturation bar; the slider itself does not use them.
    double h = 0;
    double s = 0;
    double b = 0;
    double a = 0;
    int startColorType = 0;
    int endColorType = 1;
};

// The saturation slider: the drag contract of CustomSlider over a track that
// runs from `startColor` to `endColor`, with a thumb in `cursorColor`. The
// three colours are live: setting one repaints the slider.
class TextSaturationCustomSlider : public CustomSlider {
    Q_OBJECT
public:
    TextSaturationCustomSlider(
        double hue, const TextSaturationSliderOptions& options, SliderActions actions, QWidget* parent = nullptr);

    QColor startColor() const { return m_options.startColor; }
    QColor endColor() const { return m_options.endColor; }
    QColor cursorColor() const { return m_options.cursorColor; }
    void setStartColor(const QColor& color);
    void setEndColor(const QColor& color);
    void setCursorColor(const QColor& color);

    const TextSaturationSliderOptions& options() const { return m_options; }

private:
    static Colors colorsFrom(const TextSaturationSliderOptions& options);

    TextSaturationSliderOptions m_options;
};
