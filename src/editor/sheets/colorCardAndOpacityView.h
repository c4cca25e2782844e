#pragma once

#include "editor/sheets/ColorPlate.h"
#include "editor/sheets/PresetColors.h"

// The colour sheet's plate: a click on a swatch colours the selected object.
class colorCardAndOpacityView : public ColorPlate {
    Q_OBJECT
public:
    explicit colorCardAndOpacityView(QWidget* parent, const Rows& rows = presetColorRows);
};
