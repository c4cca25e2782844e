#include "pictures/MaskShapeView.h"

QPainterPath MaskShapeView::path(const QRectF& frame) const
{
    QPainterPath shape;
    if (m_maskShape == MaskShape::circle)
        shape.addEllipse(frame);
    else
        shape.addRect(frame);
    return shape;
}
