#include "pictures/CustomSliderForCropView.h"

CustomSliderForCropView::CustomSliderForCropView(
    double hue, const CropSliderOptions& options, SliderActions actions, QWidget* parent)
    : CustomSlider(hue, options.ratio, options.sliderSize, colorsFrom(options), std::move(actions), parent,
        { (rowWidth - options.sliderSize.width()) / 2, thumbSide, veilSize })
{
}

CustomSlider::Colors CustomSliderForCropView::colorsFrom(const CropSliderOptions& options)
{
    CustomSliderOptions general;
    general.startColor = options.startColor;
    general.endColor = options.endColor;
    general.gradient = options.gradient;
    general.isOpacity = options.isOpacity;
    Colors colors = CustomSlider::colorsFrom(general);
    // The thumb is white whatever the caps.
    colors.cursor = Qt::white;
    return colors;
}
