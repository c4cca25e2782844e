#pragma once

#include "components/GridGeometry.h"

#include <QLayout>
#include <QList>

// A layout that places its widgets in a fixed number of equal columns (see
// GridGeometry) and reports the height it needs for a given width.
class ColumnGridLayout : public QLayout {
    Q_OBJECT
public:
    ColumnGridLayout(int columns, const GridSpacing& spacing, QWidget* parent = nullptr);
    ~ColumnGridLayout() override;

    int columns() const { return m_columns; }
    double cellWidthFor(int width) const;

    void addItem(QLayoutItem* item) override;
    int count() const override { return int(m_items.size()); }
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return Qt::Horizontal; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;
    void invalidate() override;

private:
    QSizeF fittedSize(QLayoutItem* item, double cellWidth) const;
    GridGeometry::Layout computeLayout(int width) const;

    QList<QLayoutItem*> m_items;
    int m_columns;
    GridSpacing m_spacing;
    mutable int m_cachedWidth = -1;
    mutable int m_cachedHeight = 0;
};
