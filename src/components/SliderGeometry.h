#pragma once

// The arithmetic behind the gradient sliders: values from a drag, clamping,
// the ratio applied to reported values and where the thumb is drawn. The
// slider widgets paint from these; tests call them directly.

#include <optional>

namespace SliderGeometry {

// Keeps `value` within 0...1; anything that is not a number counts as 0.
double clampUnit(double value);

// The position a thumb at `value` would take after a horizontal drag of `dx`
// over a track `trackWidth` wide, kept within 0...1.
double dragValue(double value, double dx, double trackWidth);

// What the slider hands its actions for a position.
double reported(double position, int ratio);

struct ThumbPlacement {
    double x = 0; // thumb centre, from the track's leading edge
    std::optional<double> position; // set only when the thumb lies inside the track
};

// The quarter a slider with a ratio other than 1 snaps its thumb to: 0, 0.25,
// 0.5, 0.75 or 1 (values at or below 0, and above 1, stay as they are).
double snapped(double value);

// Where the thumb of a slider at `value`, dragged by `dx`, is drawn on a track
// `trackWidth` wide. A position beyond either end is drawn at that end and
// reports no position. With a `ratio` other than 1 the thumb snaps to quarters.
ThumbPlacement placeThumb(double value, double dx, double trackWidth, int ratio = 1);

} // namespace SliderGeometry
