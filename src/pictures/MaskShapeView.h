#pragma once

#include "pictures/MaskShape.h"

#include <QPainterPath>
#include <QRectF>

// The outline of the crop mask: only its shape counts, as a clip.
class MaskShapeView {
public:
    explicit MaskShapeView(MaskShape maskShape)
        : m_maskShape(maskShape)
    {
    }

    MaskShape maskShape() const { return m_maskShape; }
    // A circle or a square filling `frame`.
    QPainterPath path(const QRectF& frame) const;

private:
    MaskShape m_maskShape;
};
