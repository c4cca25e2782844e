#pragma once

// The column grid's arithmetic: cell width, rows, and where each cell goes.

#include <QList>
#include <QRectF>
#include <QSizeF>

struct GridSpacing {
    double vSpacing = 10;
    double hSpacing = 10;
    double vPadding = 10;
    double hPadding = 10;
};

namespace GridGeometry {

// (offeredWidth − hSpacing × (columns − 1) − 2 × hPadding) / columns, never
// negative; fewer than one column counts as one.
double cellWidth(double offeredWidth, int columns, const GridSpacing& spacing);

int rowCount(int cellCount, int columns);

struct Layout {
    QList<QRectF> cells; // one per cell, in order
    double contentHeight = 0; // including both vertical paddings
};

// Lays cells of the given sizes (each already fitted to the cell width) out
// row by row in `columns` columns: each cell centred in its slot, each row as
// tall as its tallest cell, the last row possibly partial and starting at the
// leading edge.
Layout layout(double offeredWidth, int columns, const GridSpacing& spacing, const QList<QSizeF>& cellSizes);

} // namespace GridGeometry
