#pragma once

#include "editor/sheets/ColorSwatch.h"

// A swatch of the background colour sheet: a click paints the canvas
// background.
class BackgroundColorCard : public ColorSwatch {
    Q_OBJECT
public:
    BackgroundColorCard(int color, QWidget* parent);
};
