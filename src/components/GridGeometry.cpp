#include "components/GridGeometry.h"

#include <algorithm>

namespace GridGeometry {

double cellWidth(double offeredWidth, int columns, const GridSpacing& spacing)
{
    const int n = std::max(columns, 1);
    const double width = (offeredWidth - spacing.hSpacing * (n - 1) - 2 * spacing.hPadding) / n;
    return std::max(width, 0.0);
}

int rowCount(int cellCount, int columns)
{
    const int n = std::max(columns, 1);
    return cellCount <= 0 ? 0 : (cellCount + n - 1) / n;
}

Layout layout(double offeredWidth, int columns, const GridSpacing& spacing, const QList<QSizeF>& cellSizes)
{
    const int n = std::max(columns, 1);
    const double slotWidth = cellWidth(offeredWidth, n, spacing);
    const int count = int(cellSizes.size());
    const int rows = rowCount(count, n);

    Layout result;
    result.cells.reserve(count);
    double rowTop = spacing.vPadding;
    for (int row = 0; row < rows; ++row) {
        const int first = row * n;
        const int last = std::min(first + n, count);
        double rowHeight = 0;
        for (int i = first; i < last; ++i)
            rowHeight = std::max(rowHeight, cellSizes[i].height());
        for (int i = first; i < last; ++i) {
            const QSizeF size = cellSizes[i];
            const double slotLeft = spacing.hPadding + (i - first) * (slotWidth + spacing.hSpacing);
            const QPointF topLeft(slotLeft + (slotWidth - size.width()) / 2, rowTop + (rowHeight - size.height()) / 2);
            result.cells.append(QRectF(topLeft, size));
        }
        rowTop += rowHeight;
        if (row + 1 < rows)
            rowTop += spacing.vSpacing;
    }
    result.contentHeight = rowTop + spacing.vPadding;
    return result;
}

} // namespace GridGeometry
