#pragma once

// The shape drawn over the picture while cropping. It only changes what is
// drawn: the cut is always the square under the mask.
enum class MaskShape {
    circle, // a circle of diameter 2 × maskRadius
    square, // a square of side 2 × maskRadius
};
