#include "components/SliderGeometry.h"

#include <algorithm>
#include <cmath>

namespace SliderGeometry {

double clampUnit(double value)
{
    if (std::isnan(value))
        return 0;
    if (value > 1)
        return 1;
    return value < 0 ? 0 : value;
}

double dragValue(double value, double dx, double trackWidth)
{
    // A track without width has no drag distance to measure against.
    if (!(trackWidth > 0))
        return clampUnit(value);
    return clampUnit(value + dx / trackWidth);
}

double reported(double position, int ratio)
{
    return position * double(ratio);
}

double snapped(double value)
{
    if (value <= 0)
        return value;
    if (value <= 0.125)
        return 0;
    if (value <= 0.325)
        return 0.25;
    if (value <= 0.625)
        return 0.5;
    if (value <= 0.825)
        return 0.75;
    return std::max(value, 1.0);
}

ThumbPlacement placeThumb(double value, double dx, double trackWidth, int ratio)
{
    const double width = std::max(trackWidth, 0.0);
    if (std::isnan(value) || std::isnan(dx))
        return { 0, std::nullopt };
    const double p = value * width + dx;
    if (p > width)
        return { width, std::nullopt };
    if (p < 0)
        return { 0, std::nullopt };
    const double position = ratio == 1 ? value : snapped(value);
    return { position * width + dx, position };
}

} // namespace SliderGeometry
