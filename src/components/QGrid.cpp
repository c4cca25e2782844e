#include "components/QGrid.h"

#include "components/ColumnGridLayout.h"

#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

QGrid::QGrid(int count, const QGridOptions& options, const CellBuilder& content, QWidget* parent)
    : QWidget(parent)
    , m_columns(std::max(options.columns, 1))
    , m_columnsInLandscape(options.columnsInLandscape)
    , m_spacing { options.vSpacing, options.hSpacing, options.vPadding, options.hPadding }
    , m_showScrollIndicators(options.showScrollIndicators)
    , m_rowHeight(options.isScrollable ? options.uniformRowHeight : std::nullopt)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    m_content = new QWidget;
    m_content->setAttribute(Qt::WA_TranslucentBackground);
    if (!m_rowHeight)
        m_layout = new ColumnGridLayout(landscapeColumns(), m_spacing, m_content);

    if (options.isScrollable) {
        m_scrollArea = new QScrollArea(this);
        m_scrollArea->setFrameShape(QFrame::NoFrame);
        m_scrollArea->setWidgetResizable(true);
        m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_scrollArea->setVerticalScrollBarPolicy(
            m_showScrollIndicators ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        m_scrollArea->setStyleSheet(QStringLiteral("QScrollArea { background: transparent; }"));
        m_scrollArea->viewport()->setAutoFillBackground(false);
        m_scrollArea->setWidget(m_content);
        outer->addWidget(m_scrollArea);
        if (m_rowHeight) {
            connect(m_scrollArea->verticalScrollBar(), &QScrollBar::valueChanged, this, &QGrid::buildCellsNearViewport);
            m_scrollArea->viewport()->installEventFilter(this);
            m_content->installEventFilter(this);
        }
    } else {
        m_content->setParent(this);
        outer->addWidget(m_content);
    }

    setCells(count, content);
}

int QGrid::landscapeColumns() const
{
    return std::max(m_columnsInLandscape.value_or(m_columns), 1);
}

void QGrid::setCells(int count, const CellBuilder& content)
{
    // Old cells go later, so a cell may rebuild the grid from its own click.
    for (QWidget* cell : std::as_const(m_cells)) {
        if (!cell)
            continue;
        if (m_layout)
            m_layout->removeWidget(cell);
        cell->hide();
        cell->deleteLater();
    }
    m_cells.clear();
    m_builtBegin = m_builtEnd = 0;

    if (m_rowHeight) {
        m_builder = content;
        m_cells.resize(std::max(count, 0), nullptr);
        const int rows = GridGeometry::rowCount(int(m_cells.size()), landscapeColumns());
        m_content->setFixedHeight(int(std::ceil(
            2 * m_spacing.vPadding + rows * double(*m_rowHeight) + std::max(rows - 1, 0) * m_spacing.vSpacing)));
        buildCellsNearViewport();
        return;
    }

    const bool updatesWereEnabled = m_content->updatesEnabled();
    m_content->setUpdatesEnabled(false);
    m_cells.reserve(std::max(count, 0));
    for (int i = 0; i < count; ++i) {
        QWidget* cell = content ? content(i) : nullptr;
        if (!cell)
            cell = new QWidget; // keeps the positions of the cells that follow
        cell->setParent(m_content);
        m_layout->addWidget(cell);
        m_cells.append(cell);
    }
    m_content->setUpdatesEnabled(updatesWereEnabled);
    for (QWidget* cell : std::as_const(m_cells))
        cell->show();
}

void QGrid::releaseCell(int index)
{
    if (QWidget* cell = std::exchange(m_cells[index], nullptr)) {
        cell->hide();
        cell->deleteLater();
    }
}

void QGrid::buildCellsNearViewport()
{
    const int count = int(m_cells.size());
    const int columns = landscapeColumns();
    const QWidget* viewport = m_scrollArea->viewport();
    const int top = m_scrollArea->verticalScrollBar()->value();
    const int margin = viewport->height() / 2;
    const double pitch = *m_rowHeight + m_spacing.vSpacing;
    const int lastRow = GridGeometry::rowCount(count, columns) - 1;
    const auto rowAt
        = [&](int y) { return std::clamp(int(std::floor((y - m_spacing.vPadding) / pitch)), 0, std::max(lastRow, 0)); };
    const int begin = count == 0 ? 0 : rowAt(top - margin) * columns;
    const int end = count == 0 ? 0 : std::min(count, (rowAt(top + viewport->height() + margin) + 1) * columns);

    for (int i = m_builtBegin; i < m_builtEnd; ++i) {
        if (i < begin || i >= end)
            releaseCell(i);
    }
    m_builtBegin = begin;
    m_builtEnd = end;
    for (int i = begin; i < end; ++i) {
        QWidget* cell = m_cells[i];
        if (!cell) {
            cell = m_builder ? m_builder(i) : nullptr;
            if (!cell)
                continue;
            cell->setParent(m_content);
            m_cells[i] = cell;
        }
        cell->setGeometry(nearCellGeometry(i, cell));
        cell->show();
    }
}

// Where the column layout would put the cell: its width fitted to the
// column within its own limits, centred in its slot.
QRect QGrid::nearCellGeometry(int index, const QWidget* cell) const
{
    const int columns = landscapeColumns();
    const double columnWidth = GridGeometry::cellWidth(m_content->width(), columns, m_spacing);
    const QSize minimum = cell->minimumSize();
    const QSize maximum = cell->maximumSize();
    const int width
        = std::clamp(int(std::floor(columnWidth)), minimum.width(), std::max(minimum.width(), maximum.width()));
    const int height = std::clamp(*m_rowHeight, minimum.height(), std::max(minimum.height(), maximum.height()));
    const double x
        = m_spacing.hPadding + (index % columns) * (columnWidth + m_spacing.hSpacing) + (columnWidth - width) / 2;
    const double y
        = m_spacing.vPadding + (index / columns) * (*m_rowHeight + m_spacing.vSpacing) + (*m_rowHeight - height) / 2.0;
    return QRect(int(std::round(x)), int(std::round(y)), width, height);
}

bool QGrid::eventFilter(QObject* watched, QEvent* event)
{
    const bool resizedOrShown = event->type() == QEvent::Resize || event->type() == QEvent::Show;
    if (resizedOrShown && (watched == m_content || watched == m_scrollArea->viewport()))
        buildCellsNearViewport();
    return QWidget::eventFilter(watched, event);
}

double QGrid::cellWidth() const
{
    const int offered = m_scrollArea ? m_scrollArea->viewport()->width() : m_content->width();
    return GridGeometry::cellWidth(offered, landscapeColumns(), m_spacing);
}

QWidget* QGrid::cell(int index) const
{
    return index >= 0 && index < m_cells.size() ? m_cells[index] : nullptr;
}
