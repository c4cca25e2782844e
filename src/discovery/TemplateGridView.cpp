#include "discovery/TemplateGridView.h"

#include "core/ColorUtilities.h"
#include "discovery/DiscoveryItemsDelegate.h"

#include <QMouseEvent>
#include <QScrollBar>

TemplateGridView::TemplateGridView(QWidget* parent)
    : QListView(parent)
    , m_delegate(new DiscoveryItemsDelegate(this))
{
    setItemDelegate(m_delegate);
    setViewMode(QListView::ListMode);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setUniformItemSizes(true);
    setGridSize(DiscoveryItemsDelegate::cellSize());
    setSpacing(0);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalScrollBar()->setSingleStep(24);
    // The last row's cell carries its own 12 of spacing below the card. The
    // list view wraps a row once it reaches the viewport's last pixel, so the
    // viewport is one wider than the four columns; the cards stay in place.
    setViewportMargins(padding, padding, padding - 1, 0);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    QPalette colors = palette();
    colors.setColor(QPalette::Base, Color(0x1E1E1E));
    colors.setColor(QPalette::Window, Color(0x1E1E1E));
    setPalette(colors);
    viewport()->setAutoFillBackground(true);
}

int TemplateGridView::hoveredRow() const
{
    return m_delegate->hoveredRow();
}

QRect TemplateGridView::cardRect(int row) const
{
    if (!model() || row < 0 || row >= model()->rowCount())
        return {};
    const QRect cell = visualRect(model()->index(row, 0));
    return cell.isValid() ? DiscoveryItemsDelegate::cardRect(cell) : QRect();
}

int TemplateGridView::cardRowAt(const QPoint& viewportPoint) const
{
    const QModelIndex index = indexAt(viewportPoint);
    if (!index.isValid())
        return -1;
    return cardRect(index.row()).contains(viewportPoint) ? index.row() : -1;
}

void TemplateGridView::setHoveredRow(int row)
{
    const int previous = m_delegate->hoveredRow();
    if (previous == row)
        return;
    m_delegate->setHoveredRow(row);
    if (previous >= 0)
        viewport()->update(cardRect(previous));
    if (row >= 0)
        viewport()->update(cardRect(row));
}

void TemplateGridView::updateHoverFromCursor()
{
    const QPoint cursor = viewport()->mapFromGlobal(QCursor::pos());
    setHoveredRow(viewport()->underMouse() ? cardRowAt(cursor) : -1);
}

void TemplateGridView::mouseMoveEvent(QMouseEvent* event)
{
    setHoveredRow(cardRowAt(event->position().toPoint()));
}

void TemplateGridView::mousePressEvent(QMouseEvent* event)
{
    m_pressedRow = event->button() == Qt::LeftButton ? cardRowAt(event->position().toPoint()) : -1;
    event->accept();
}

void TemplateGridView::mouseReleaseEvent(QMouseEvent* event)
{
    const int row = event->button() == Qt::LeftButton ? cardRowAt(event->position().toPoint()) : -1;
    const bool clicked = row >= 0 && row == m_pressedRow;
    m_pressedRow = -1;
    event->accept();
    if (clicked)
        Q_EMIT cardClicked(row);
}

void TemplateGridView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A second click counts as another single click.
    mousePressEvent(event);
}

bool TemplateGridView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Leave)
        setHoveredRow(-1);
    return QListView::viewportEvent(event);
}

void TemplateGridView::scrollContentsBy(int dx, int dy)
{
    QListView::scrollContentsBy(dx, dy);
    updateHoverFromCursor();
}
