#pragma once

#include <QLabel>

// A label in the system font at `pixelSize`, regular weight, in colour
// 0xRRGGBB, on a transparent background.
QLabel* styledLabel(const QString& text, int pixelSize, int colorHex, QWidget* parent = nullptr);
