#pragma once

#include <QStyledItemDelegate>

// Paints one Discovery card into its grid cell: the template's picture
// (161 × 161, radius 5) centred in the 175-wide column, and, while the
// pointer is over it, the caption band with the title and a one-line
// description.
class DiscoveryItemsDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int cellWidth = 175; // (720 − 2 × 10) / 4
    static constexpr int rowSpacing = 12;

    using QStyledItemDelegate::QStyledItemDelegate;

    // The card inside a cell.
    static QRect cardRect(const QRect& cellRect);
    static QSize cellSize();

    void setHoveredRow(int row) { m_hoveredRow = row; }
    int hoveredRow() const { return m_hoveredRow; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int m_hoveredRow = -1;
};
