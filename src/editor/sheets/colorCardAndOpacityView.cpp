#include "editor/sheets/colorCardAndOpacityView.h"

#include "editor/sheets/ColorCard.h"

colorCardAndOpacityView::colorCardAndOpacityView(QWidget* parent, const Rows& rows)
    : ColorPlate(
        rows, [](int color, QWidget* owner) -> ColorSwatch* { return new ColorCard(color, owner); }, parent)
{
}
