#include "editor/sheets/BackgroundColorCardView.h"

#include "editor/sheets/BackgroundColorCard.h"

BackgroundColorCardView::BackgroundColorCardView(QWidget* parent, const Rows& rows)
    : ColorPlate(
        rows, [](int color, QWidget* owner) -> ColorSwatch* { return new BackgroundColorCard(color, owner); }, parent)
{
}
