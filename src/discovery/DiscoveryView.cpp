#include "discovery/DiscoveryView.h"

#include "components/AppearanceWatcher.h"
#include "components/LoadSvgFailView.h"
#include "core/ColorUtilities.h"
#include "discovery/CardPainter.h"
#include "discovery/DiscoveryController.h"
#include "discovery/DiscoveryViewTitleView.h"
#include "discovery/LogoDetailView.h"
#include "discovery/TemplateGridView.h"
#include "discovery/TemplateListModel.h"
#include "discovery/ThumbnailCache.h"

#include <QEvent>
#include <QVBoxLayout>

namespace {
constexpr int pageWidth = 720;
constexpr int pageHeight = 616;
constexpr int contentHeight = 560;
constexpr int failViewSide = 460;
} // namespace

DiscoveryView::DiscoveryView(QWidget* parent)
    : QWidget(parent)
    , m_controller(new DiscoveryController(this))
    , m_thumbnails(new ThumbnailCache(QSize(CardMetrics::imageSide, CardMetrics::imageSide), this))
    , m_model(new TemplateListModel(m_thumbnails, this))
{
    setFixedSize(pageWidth, pageHeight);
    setAutoFillBackground(true);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, Color(0x1E1E1E));
    setPalette(colors);

    auto* content = new QWidget(this);
    content->setGeometry(0, (pageHeight - contentHeight) / 2, pageWidth, contentHeight);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 15, 0, 0);
    column->setSpacing(0);
    m_title = new DiscoveryViewTitleView(content);
    column->addWidget(m_title);
    m_gridArea = new QWidget(content);
    column->addWidget(m_gridArea, 1);

    m_grid = new TemplateGridView(m_gridArea);
    m_grid->setModel(m_model);
    auto* gridLayout = new QVBoxLayout(m_gridArea);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->addWidget(m_grid);
    m_gridArea->installEventFilter(this);

    m_content = content;

    connect(m_grid, &TemplateGridView::cardClicked, this, &DiscoveryView::openTemplate);
    connect(m_title, &PageTitleBar::backRequested, this, &DiscoveryView::closeDetail);
    connect(m_controller, &DiscoveryController::itemsChanged, this, &DiscoveryView::showTemplates);
    connect(m_controller, &DiscoveryController::loadingSvgFailChanged, this, &DiscoveryView::showLoadingSvgFail);
    connect(new AppearanceWatcher(this), &AppearanceWatcher::appeared, m_controller, &DiscoveryController::appeared);
}

const QList<DiscorysModelContentData>& DiscoveryView::items() const
{
    return m_model->items();
}

bool DiscoveryView::isLoadingSvgFail() const
{
    return m_controller->isLoadingSvgFail();
}

void DiscoveryView::showTemplates()
{
    m_thumbnails->clearFailures();
    m_model->setItems(m_controller->items());
}

void DiscoveryView::showLoadingSvgFail(bool failed)
{
    if (!m_failView) {
        if (!failed)
            return;
        // Built on the first failure: the window's first paint doesn't wait for it.
        // Centred on the page's 560-point content; its top edge reaches into the
        // title bar's bottom padding, so the title stays drawn above it.
        m_failView = new LoadSvgFailView([this] { m_controller->loadTemplates(); }, [] {}, m_content);
        m_failView->setGeometry(
            (pageWidth - failViewSide) / 2, (contentHeight - failViewSide) / 2, failViewSide, failViewSide);
    }
    m_failView->setVisible(failed);
    if (failed) {
        m_failView->raise();
        m_title->raise();
    }
}

void DiscoveryView::openTemplate(int row)
{
    const DiscorysModelContentData* item = m_model->itemAt(row);
    if (!item)
        return;
    m_itemId = DesignId::fromText(item->id, DesignId::Unreadable::OnPage);
    delete m_detail;
    m_detail = new LogoDetailView(m_itemId, false, DetailsListModelDatas(), false, m_gridArea);
    connect(m_detail, &LogoDetailView::itemIdChanged, this, [this](DesignId id) { m_itemId = id; });
    layoutDetail();
    m_detail->show();
    m_detail->raise();
    m_title->setShowLogoDetailView(true);
    if (isLoadingSvgFail())
        showLoadingSvgFail(true);
}

void DiscoveryView::closeDetail()
{
    // The page goes with its request and its refresh subscription.
    delete m_detail;
    m_title->setShowLogoDetailView(false);
}

void DiscoveryView::layoutDetail()
{
    if (m_detail)
        m_detail->setGeometry(m_gridArea->rect());
}

bool DiscoveryView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_gridArea && event->type() == QEvent::Resize)
        layoutDetail();
    return QWidget::eventFilter(watched, event);
}
