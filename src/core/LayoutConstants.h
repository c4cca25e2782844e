#pragma once

inline constexpr double zeroFrameWidth = 0.0;
// The main window adds it to the heights of its frames (56 + 560, 56 + 52).
inline constexpr double topBarHeight = 56.0;
