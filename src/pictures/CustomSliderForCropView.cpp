#include "pictures/CustomSliderForCropView.h"

CustomSliderForCropView::CustomSliderForCropView(
    double hue, const CropSliderOptions& options, SliderActions actions, QWidget* parent)
    : CustomSlider(hue, options.ratio, options.sliderSize, colorsFrom(options), std::move(actions), parent,
        { (rowWidth - options.sliderSize.width()) / 2, thumbSide, veilSize })
{
}

CustomSlider::Colors CustomSliderForCropView::colorsFrom(const CropSliderOptions& options)
{
    const QColor start = QColor::fromRgb(QRgb(options.startColor));
    const QColor end = QColor::fromRgb(QRgb(options.endColor));
    QGradientStops track = options.gradient;
    if (track.isEmpty())
        track = { { 0.0, start }, { 1.0, end } };
    // The thumb is white whatever the caps.
    if (options.isOpacity)
        return { start, end, Qt::white, track };
    return { end, start, Qt::white, track };
}
