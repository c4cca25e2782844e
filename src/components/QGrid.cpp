#include "components/QGrid.h"

#include "components/ColumnGridLayout.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

QGrid::QGrid(int count, const QGridOptions& options, const CellBuilder& content, QWidget* parent)
    : QWidget(parent)
    , m_columns(std::max(options.columns, 1))
    , m_columnsInLandscape(options.columnsInLandscape)
    , m_spacing { options.vSpacing, options.hSpacing, options.vPadding, options.hPadding }
    , m_showScrollIndicators(options.showScrollIndicators)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    m_content = new QWidget;
    m_content->setAttribute(Qt::WA_TranslucentBackground);
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
        m_layout->removeWidget(cell);
        cell->hide();
        cell->deleteLater();
    }
    m_cells.clear();

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

double QGrid::cellWidth() const
{
    const int offered = m_scrollArea ? m_scrollArea->viewport()->width() : m_content->width();
    return m_layout->cellWidthFor(offered);
}

QWidget* QGrid::cell(int index) const
{
    return index >= 0 && index < m_cells.size() ? m_cells[index] : nullptr;
}
