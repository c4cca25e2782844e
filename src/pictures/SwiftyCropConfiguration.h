#pragma once

// The limits of one crop, stored as given.
struct SwiftyCropConfiguration {
    double maxMagnificationScale = 4.0; // the largest zoom factor the user may reach
    double maskRadius = 150.0; // half the side of the mask, in points
};
