#pragma once

#include "components/CustomSlider.h"

struct CropSliderOptions {
    int startColor = 0xFF1B1B; // 0xRRGGBB
    int endColor = 0xFF0000; // 0xRRGGBB
    QGradientStops gradient {}; // track fill, leading to trailing
    int ratio = 1; // scales reported values; other than 1 the thumb snaps to quarters
    QSizeF sliderSize { 120, 5 };
    bool isOpacity = true; // false swaps the end caps
};

// The crop screen's "Zoom" slider: the drag contract of CustomSlider on a
// 120 × 5 track in a row 150 wide, with a 13-point thumb; while `disable` is
// set a 247 × 30 veil covers it.
class CustomSliderForCropView : public CustomSlider {
    Q_OBJECT
public:
    static constexpr double rowWidth = 150;
    static constexpr double thumbSide = 13;
    static constexpr QSizeF veilSize { 247, 30 };

    CustomSliderForCropView(
        double hue, const CropSliderOptions& options, SliderActions actions, QWidget* parent = nullptr);

private:
    static Colors colorsFrom(const CropSliderOptions& options);
};
