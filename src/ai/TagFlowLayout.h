#pragma once

#include <QList>
#include <QRectF>

// Places chips of equal height left to right in rows that wrap at a width:
// a chip that would end beyond the width (strictly) starts a new row, so a
// first chip wider than the width leaves an empty row above it.
struct TagFlowLayout {
    // The chips' frames, outer padding included, in list order.
    static QList<QRectF> place(const QList<double>& chipWidths, double chipHeight, double width);
    // The height the placed chips take: the lowest chip's bottom, 0 for none.
    static double height(const QList<QRectF>& frames);
};
