#pragma once

#include "components/GridGeometry.h"

#include <QList>
#include <QWidget>
#include <functional>
#include <iterator>
#include <optional>

class ColumnGridLayout;
class QScrollArea;

struct QGridOptions {
    int columns = 1;
    std::optional<int> columnsInLandscape {}; // unset: `columns`
    double vSpacing = 10;
    double hSpacing = 10;
    double vPadding = 10;
    double hPadding = 10;
    bool isScrollable = true;
    bool showScrollIndicators = false;
    // When set on a scrollable grid, every row is this tall and only the
    // cells within half a viewport of the visible rows exist: the builder
    // runs as cells scroll near, and cells that scroll away are deleted, so
    // tens of thousands of elements cost no more than a screenful.
    std::optional<int> uniformRowHeight {};
};

// A column grid over a collection: one cell per element, built all at once by
// the cell builder, laid out row by row. Each cell gets
// (width − hSpacing × (n − 1) − 2 × hPadding) / n of width, n being the
// landscape column count. Scrollable grids sit inside a vertical scroll area.
//
//   auto* grid = QGrid::over(items, {.columns = 4, .vSpacing = 12, .hSpacing = 0},
//                            [](const Item& item) { return new ItemCard(item); }, this);
class QGrid : public QWidget {
    Q_OBJECT
public:
    using CellBuilder = std::function<QWidget*(int index)>;

    QGrid(int count, const QGridOptions& options, const CellBuilder& content, QWidget* parent = nullptr);

    template <class Collection, class Builder>
    static QGrid* over(
        const Collection& collection, const QGridOptions& options, Builder content, QWidget* parent = nullptr)
    {
        return new QGrid(int(std::size(collection)), options, elementBuilder(collection, std::move(content)), parent);
    }

    // Replaces every cell with one per element of the new data. A grid with
    // a uniform row height keeps the builder and runs it again whenever a
    // cell comes near the viewport.
    void setCells(int count, const CellBuilder& content);
    template <class Collection, class Builder> void setData(const Collection& collection, Builder content)
    {
        setCells(int(std::size(collection)), elementBuilder(collection, std::move(content)));
    }

    int columns() const { return m_columns; }
    std::optional<int> columnsInLandscape() const { return m_columnsInLandscape; }
    // The column count the grid lays out with: the landscape count, else `columns`.
    int landscapeColumns() const;
    GridSpacing spacing() const { return m_spacing; }
    bool isScrollable() const { return m_scrollArea != nullptr; }
    bool showScrollIndicators() const { return m_showScrollIndicators; }

    double cellWidth() const; // for the width the grid has now
    int cellCount() const { return int(m_cells.size()); }
    // The cell's widget; null when the index is out of range, or when the
    // grid builds only the cells near its viewport and this one is not.
    QWidget* cell(int index) const;
    bool buildsOnlyNearCells() const { return m_rowHeight.has_value(); }
    QScrollArea* scrollArea() const { return m_scrollArea; }
    QWidget* contentWidget() const { return m_content; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The builder keeps its own copy of the data, since a grid that builds
    // cells near the viewport runs it long after the call.
    template <class Collection, class Builder>
    static CellBuilder elementBuilder(const Collection& collection, Builder content)
    {
        return [collection, content = std::move(content)](
                   int index) { return content(*(std::begin(collection) + index)); };
    }

    void releaseCell(int index);
    void buildCellsNearViewport();
    QRect nearCellGeometry(int index, const QWidget* cell) const;

    int m_columns;
    std::optional<int> m_columnsInLandscape;
    GridSpacing m_spacing;
    bool m_showScrollIndicators;
    QScrollArea* m_scrollArea = nullptr;
    QWidget* m_content = nullptr;
    ColumnGridLayout* m_layout = nullptr;
    QList<QWidget*> m_cells;
    // Only for a grid that builds the cells near its viewport.
    std::optional<int> m_rowHeight;
    CellBuilder m_builder;
    int m_builtBegin = 0;
    int m_builtEnd = 0;
};
