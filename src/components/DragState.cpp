#include "components/DragState.h"

QSizeF DragState::translation() const
{
    return kind == Kind::Dragging ? dragTranslation : QSizeF(0, 0);
}
