#pragma once

#include "editor/sheets/ColorPlate.h"
#include "editor/sheets/PresetColors.h"

// The background colour sheet's plate: a click paints the canvas background.
class BackgroundColorCardView : public ColorPlate {
    Q_OBJECT
public:
    explicit BackgroundColorCardView(QWidget* parent, const Rows& rows = presetColorRows);
};
