#pragma once

#include "editor/sheets/ColorSwatch.h"

// A swatch of the colour sheet's plate: a click colours the selected object.
class ColorCard : public ColorSwatch {
    Q_OBJECT
public:
    ColorCard(int color, QWidget* parent);
};
