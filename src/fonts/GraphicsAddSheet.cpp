#include "fonts/GraphicsAddSheet.h"

#include "components/LoadSvgFailView.h"
#include "core/RxBus.h"
#include "editor/EditorEvents.h"
#include "fonts/ImageButtonForGraphicsAdd.h"

#include <QEvent>
#include <QGridLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

namespace {
constexpr int closeDelayMilliseconds = 300;
constexpr int rowSpacing = 16;
} // namespace

GraphicsAddSheet::GraphicsAddSheet(QWidget* parent)
    : SidePanelFrame(EditorPanel::GraphicsAdd, { QStringLiteral("Add"), 10, 0, closeDelayMilliseconds }, 0, parent)
    , m_grid(new QWidget(this))
    , m_gridLayout(new QGridLayout(m_grid))
    , m_failView(nullptr)
    , m_controller(new GraphicsAddController(this))
{
    m_gridLayout->setContentsMargins(1, 8, 1, 8);
    m_gridLayout->setHorizontalSpacing(0);
    m_gridLayout->setVerticalSpacing(rowSpacing);
    m_gridLayout->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    m_scroll = setScrollingBody(m_grid);
    scrollArea()->viewport()->installEventFilter(this);
    m_grid->installEventFilter(this);
    connect(scrollArea()->verticalScrollBar(), &QScrollBar::valueChanged, this, &GraphicsAddSheet::loadCellsInView);

    // In place of the grid, sized by the body's layout rather than to the canvas.
    m_failView = new LoadSvgFailView([this] { m_controller->load(); }, [] {}, body());
    m_failView->setMinimumSize(0, 0);
    m_failView->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_failView->hide();
    body()->layout()->addWidget(m_failView);

    connect(m_controller, &GraphicsAddController::pageChanged, this, &GraphicsAddSheet::showPage);
    connect(m_controller, &GraphicsAddController::loadFailedChanged, this, &GraphicsAddSheet::showLoadFailed);
    // Replies that arrive after the panel has closed are dropped with it.
    m_controller->load();
}

void GraphicsAddSheet::showLoadFailed(bool failed)
{
    m_scroll->setVisible(!failed);
    m_failView->setVisible(failed);
}

void GraphicsAddSheet::showPage()
{
    qDeleteAll(m_cells);
    m_cells.clear();
    int index = 0;
    for (const ResourceImagesModelDatasImages& image : m_controller->resourceImagesModel().data.item.images) {
        auto* cell = new ImageButtonForGraphicsAdd(image, m_grid);
        const QString svgUrl = image.url;
        connect(cell, &QAbstractButton::clicked, this, [this, svgUrl] { tap(svgUrl); });
        m_gridLayout->addWidget(cell, index / columns, index % columns, Qt::AlignCenter);
        m_cells.append(cell);
        ++index;
    }
    // Cells know where they lie once the layout has run.
    QTimer::singleShot(0, this, &GraphicsAddSheet::loadCellsInView);
}

void GraphicsAddSheet::loadCellsInView()
{
    // Until the scroll area has given the grid its full height, the cells
    // don't lie where they will; the grid's resize brings us back.
    if (m_cells.isEmpty() || m_grid->height() < m_grid->minimumSizeHint().height())
        return;
    const QRect visible(-m_grid->pos(), scrollArea()->viewport()->size());
    for (ImageButtonForGraphicsAdd* cell : m_cells) {
        if (!cell->hasRequestedThumbnail() && cell->geometry().intersects(visible))
            cell->loadThumbnail();
    }
}

bool GraphicsAddSheet::eventFilter(QObject* watched, QEvent* event)
{
    const bool viewportOrGrid = watched == scrollArea()->viewport() || watched == m_grid;
    if (viewportOrGrid && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        QTimer::singleShot(0, this, &GraphicsAddSheet::loadCellsInView);
    return SidePanelFrame::eventFilter(watched, event);
}

void GraphicsAddSheet::tap(const QString& svgUrl)
{
    // The first post removes this panel (later, through deleteLater), so the
    // URL is held outside it.
    RxBus::shared().post(EditGraphicsEvent::ShowGraphicsAddSheet {});
    RxBus::shared().post(EditGraphicsEvent::GraphicsAddEvent { svgUrl });
}
