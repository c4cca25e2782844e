#include "components/ColumnGridLayout.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

ColumnGridLayout::ColumnGridLayout(int columns, const GridSpacing& spacing, QWidget* parent)
    : QLayout(parent)
    , m_columns(std::max(columns, 1))
    , m_spacing(spacing)
{
    setContentsMargins(0, 0, 0, 0);
}

ColumnGridLayout::~ColumnGridLayout()
{
    qDeleteAll(m_items);
}

double ColumnGridLayout::cellWidthFor(int width) const
{
    return GridGeometry::cellWidth(width, m_columns, m_spacing);
}

void ColumnGridLayout::addItem(QLayoutItem* item)
{
    m_items.append(item);
    invalidate();
}

QLayoutItem* ColumnGridLayout::itemAt(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items[index] : nullptr;
}

QLayoutItem* ColumnGridLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    QLayoutItem* item = m_items.takeAt(index);
    invalidate();
    return item;
}

// A cell takes the column's width as far as its own size limits allow.
QSizeF ColumnGridLayout::fittedSize(QLayoutItem* item, double cellWidth) const
{
    if (item->isEmpty())
        return {};
    const QSize minimum = item->minimumSize();
    const QSize maximum = item->maximumSize();
    const int width
        = std::clamp(int(std::floor(cellWidth)), minimum.width(), std::max(minimum.width(), maximum.width()));
    const int height = item->hasHeightForWidth() ? item->heightForWidth(width) : item->sizeHint().height();
    return QSizeF(width, std::clamp(height, minimum.height(), std::max(minimum.height(), maximum.height())));
}

GridGeometry::Layout ColumnGridLayout::computeLayout(int width) const
{
    const double cellWidth = cellWidthFor(width);
    QList<QSizeF> sizes;
    sizes.reserve(m_items.size());
    for (QLayoutItem* item : m_items)
        sizes.append(fittedSize(item, cellWidth));
    return GridGeometry::layout(width, m_columns, m_spacing, sizes);
}

int ColumnGridLayout::heightForWidth(int width) const
{
    if (width != m_cachedWidth) {
        m_cachedHeight = int(std::ceil(computeLayout(width).contentHeight));
        m_cachedWidth = width;
    }
    return m_cachedHeight;
}

QSize ColumnGridLayout::sizeHint() const
{
    // Without an offered width, suggest the width a row of preferred-size cells needs.
    int cellHint = 0;
    for (QLayoutItem* item : m_items)
        cellHint = std::max(cellHint, item->sizeHint().width());
    const int columnsUsed = std::min<int>(m_columns, std::max<qsizetype>(m_items.size(), 1));
    const int width
        = int(std::ceil(columnsUsed * cellHint + (columnsUsed - 1) * m_spacing.hSpacing + 2 * m_spacing.hPadding));
    return QSize(width, heightForWidth(width));
}

QSize ColumnGridLayout::minimumSize() const
{
    return QSize(int(std::ceil(2 * m_spacing.hPadding)), 0);
}

void ColumnGridLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    const GridGeometry::Layout layout = computeLayout(rect.width());
    for (int i = 0; i < m_items.size(); ++i) {
        const QRectF cell = layout.cells[i].translated(rect.topLeft());
        m_items[i]->setGeometry(
            QRect(QPoint(int(std::round(cell.x())), int(std::round(cell.y()))), cell.size().toSize()));
    }
    m_cachedWidth = rect.width();
    m_cachedHeight = int(std::ceil(layout.contentHeight));
}

void ColumnGridLayout::invalidate()
{
    m_cachedWidth = -1;
    QLayout::invalidate();
}
