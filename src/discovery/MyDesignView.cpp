#include "discovery/MyDesignView.h"

#include "components/AppearanceWatcher.h"
#include "components/LoadSvgFailView.h"
#include "components/QGrid.h"
#include "core/ColorUtilities.h"
#include "core/Localization.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"
#include "discovery/CardPainter.h"
#include "discovery/DeleteView.h"
#include "discovery/DiscoveryEvents.h"
#include "discovery/LogoDetailView.h"
#include "discovery/MyDesignController.h"
#include "discovery/MyDesignItems.h"
#include "discovery/MyDesignViewTitleView.h"
#include "discovery/NotDesignItems.h"
#include "globals/AppGlobals.h"

#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int pageWidth = 720;
constexpr int pageHeight = 616;
constexpr int contentHeight = 560;
constexpr int detailHeight = 500;
constexpr int failPanelTop = 74; // the 68-point spacer, centred with the panel in the 560-point page
constexpr int failPanelHeight = 480;
constexpr int failViewSide = 460;

void fillDark(QWidget* widget)
{
    widget->setAutoFillBackground(true);
    QPalette colors = widget->palette();
    colors.setColor(QPalette::Window, Color(0x1E1E1E));
    widget->setPalette(colors);
}

// The tiles' grid, scrolling, in the page's colour.
QGrid* createGrid(QWidget* content)
{
    QGridOptions gridOptions;
    gridOptions.columns = 4;
    gridOptions.vSpacing = 12;
    gridOptions.hSpacing = 0;
    gridOptions.vPadding = 10;
    gridOptions.hPadding = 10;
    gridOptions.isScrollable = true;
    gridOptions.showScrollIndicators = false;
    // A user may keep thousands of designs: only the tiles near the viewport exist.
    gridOptions.uniformRowHeight = CardMetrics::imageSide;
    auto* grid = new QGrid(
        0, gridOptions, [](int) { return nullptr; }, content);
    grid->setFixedWidth(pageWidth);
    // The grid's see-through content shows as black in this page's stack; paint it the page's colour.
    grid->contentWidget()->setAttribute(Qt::WA_TranslucentBackground, false);
    grid->contentWidget()->setAttribute(Qt::WA_NoSystemBackground, false);
    fillDark(grid->contentWidget());
    return grid;
}
} // namespace

MyDesignView::MyDesignView(QWidget* parent)
    : QWidget(parent)
    , m_controller(new MyDesignController(this))
    , m_confirmDelete(&MyDesignView::askToDelete)
{
    layOut();
    subscribe();
    updateVisibility();
}

void MyDesignView::layOut()
{
    setFixedSize(pageWidth, pageHeight);
    fillDark(this);

    auto* content = new QWidget(this);
    content->setGeometry(0, (pageHeight - contentHeight) / 2, pageWidth, contentHeight);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 15, 0, 0);
    column->setSpacing(0);

    m_title = new MyDesignViewTitleView(content);
    column->addWidget(m_title);

    m_deleteRow = new QWidget(content);
    auto* deleteLayout = new QVBoxLayout(m_deleteRow);
    deleteLayout->setContentsMargins(0, 20, 0, 0);
    m_deleteView = new DeleteView(m_deleteRow);
    deleteLayout->addWidget(m_deleteView);
    column->addWidget(m_deleteRow);

    m_grid = createGrid(content);
    column->addWidget(m_grid, 1);

    m_detailArea = new QWidget(content);
    m_detailArea->setFixedSize(pageWidth, detailHeight);
    fillDark(m_detailArea);
    column->addWidget(m_detailArea);

    m_emptyView = new NotDesignItems(content);
    column->addWidget(m_emptyView, 1);

    m_failPanel = new QWidget(content);
    m_failPanel->setGeometry(0, failPanelTop, pageWidth, failPanelHeight);
    fillDark(m_failPanel);
    m_failView = new LoadSvgFailView([this] { reloadDesignList(); }, [] {}, content);
    // Shifted 34 points up from the panel's centre.
    m_failView->setGeometry((pageWidth - failViewSide) / 2, failPanelTop + (failPanelHeight - failViewSide) / 2 - 34,
        failViewSide, failViewSide);
}

void MyDesignView::subscribe()
{
    connect(m_title, &PageTitleBar::backRequested, this, &MyDesignView::closeDetail);
    connect(m_deleteView, &DeleteView::deleteModeRequested, this, [this] { setDeleteMode(true); });
    connect(m_deleteView, &DeleteView::alertRequested, this, &MyDesignView::deleteControlTapped);
    connect(m_controller, &MyDesignController::itemsChanged, this, &MyDesignView::showItems);
    connect(m_controller, &MyDesignController::loadingSvgFailChanged, this, &MyDesignView::updateVisibility);
    connect(m_controller, &MyDesignController::designListApplied, this, &MyDesignView::designListApplied);

    subscribeEvent<GeneratingViewEventBus::ToMyDesignPageEvent>(
        this, [this](const GeneratingViewEventBus::ToMyDesignPageEvent& event) {
            closeDetail();
            setDeleteMode(false);
            m_controller->reloadDesignList(event.formAIPics);
        });
    // A finished delete unticks every tile, so the page forgets its ticks too.
    subscribeEvent<DiscoveryItemsEventBus::DeleteEvent>(this, [this](const DiscoveryItemsEventBus::DeleteEvent&) {
        setSelectedIds({});
        setDeleteMode(false);
    });
    subscribeEvent<MyDesignEventBus::getDataEvent>(
        this, [this](const MyDesignEventBus::getDataEvent&) { reloadDesignList(); });
    subscribeEvent<EditLogoViewEvent::RetryEvent>(
        this, [this](const EditLogoViewEvent::RetryEvent&) { reloadDesignList(); });
    connect(new AppearanceWatcher(this), &AppearanceWatcher::appeared, this, &MyDesignView::appear);
}

const QList<DesignListContentData>& MyDesignView::items() const
{
    return m_controller->items();
}

bool MyDesignView::isLoadingSvgFail() const
{
    return m_controller->isLoadingSvgFail();
}

MyDesignItems* MyDesignView::tile(int index) const
{
    return qobject_cast<MyDesignItems*>(m_grid->cell(index));
}

void MyDesignView::appear()
{
    setDeleteMode(false);
    m_controller->loadDesignList(false);
}

void MyDesignView::reloadDesignList()
{
    setDeleteMode(false);
    m_controller->reloadDesignList();
}

void MyDesignView::showItems()
{
    // Tiles are rebuilt unticked, so no id stays picked that no tile shows ticked.
    if (!m_selectedIds.empty()) {
        setSelectedIds({});
        setDeleteMode(false);
    }
    const QList<DesignListContentData> designs = m_controller->items();
    m_grid->setCells(int(designs.size()), [this, designs](int index) {
        const DesignListContentData& design = designs.at(index);
        auto* tile = new MyDesignItems(
            design, true, false, m_tickedTiles.contains(index), false, [this, design] { openDesignDetail(design); });
        connect(tile, &MyDesignItems::selectToggled, this,
            [this, tile, index](bool isSelect) { selectToggled(index, tile->itemId().number(), isSelect); });
        return tile;
    });
    updateVisibility();
}

void MyDesignView::selectToggled(int tileIndex, qint64 itemId, bool isSelect)
{
    // A tile scrolled away and built again shows the tick it had.
    if (isSelect)
        m_tickedTiles.insert(tileIndex);
    else
        m_tickedTiles.remove(tileIndex);
    std::vector<qint64> ids = m_selectedIds;
    if (isSelect)
        ids.push_back(itemId);
    else if (const auto found = std::find(ids.begin(), ids.end(), itemId); found != ids.end())
        ids.erase(found);
    setSelectedIds(std::move(ids));
    // The first tick arms delete mode; unticking the last leaves it.
    setDeleteMode(!m_selectedIds.empty());
}

void MyDesignView::setSelectedIds(std::vector<qint64> ids)
{
    m_selectedIds = std::move(ids);
    if (m_selectedIds.empty())
        m_tickedTiles.clear();
}

void MyDesignView::openDesignDetail(const DesignListContentData& design)
{
    m_itemId = DesignId::fromText(design.id, DesignId::Unreadable::OnPage);
    m_isVersionOne = design.ver == QLatin1String("v1");
    m_isShowLogoDetailView = true;
    delete m_detail;
    m_detail = new LogoDetailView(m_itemId, true, DetailsListModelDatas(), m_isVersionOne, m_detailArea);
    m_detail->setGeometry(m_detailArea->rect());
    connect(m_detail, &LogoDetailView::itemIdChanged, this, [this](DesignId id) { m_itemId = id; });
    m_title->setShowLogoDetailView(true);
    updateVisibility();
    m_detail->show();
}

void MyDesignView::closeDetail()
{
    m_isShowLogoDetailView = false;
    delete m_detail;
    m_title->setShowLogoDetailView(false);
    updateVisibility();
}

void MyDesignView::deleteControlTapped()
{
    if (!m_deleteMode) {
        setDeleteMode(true);
        return;
    }
    if (m_confirmDelete && m_confirmDelete(this))
        deleteSelectedDesigns();
}

void MyDesignView::deleteSelectedDesigns()
{
    setDeleteMode(false);
    const std::vector<qint64> ids = m_selectedIds;
    setSelectedIds({});
    m_controller->deleteDesigns(ids);
}

void MyDesignView::setDeleteConfirmation(DeleteConfirmation confirmation)
{
    m_confirmDelete = std::move(confirmation);
}

bool MyDesignView::askToDelete(QWidget* parent)
{
    QMessageBox alert(parent);
    alert.setWindowTitle(localized(QStringLiteral("Delete")));
    alert.setText(localized(QStringLiteral("Delete")));
    alert.setInformativeText(localized(QStringLiteral("Are you sure you want to delete this design?")));
    QPushButton* sure = alert.addButton(localized(QStringLiteral("Sure")), QMessageBox::AcceptRole);
    alert.addButton(localized(QStringLiteral("Cancel")), QMessageBox::RejectRole);
    alert.setDefaultButton(sure);
    alert.exec();
    return alert.clickedButton() == sure;
}

void MyDesignView::setDeleteMode(bool deleteMode)
{
    m_deleteMode = deleteMode;
    m_deleteView->setDeleteMode(deleteMode);
}

void MyDesignView::updateVisibility()
{
    const bool hasItems = !m_controller->items().isEmpty();
    const bool failed = m_controller->isLoadingSvgFail();
    m_deleteRow->setVisible(hasItems && !m_isShowLogoDetailView);
    // The detail page stands where the grid was; the grid keeps its place and scroll position.
    m_grid->setVisible(hasItems && !m_isShowLogoDetailView);
    m_detailArea->setVisible(hasItems && m_isShowLogoDetailView);
    m_emptyView->setVisible(!hasItems);
    m_failPanel->setVisible(failed);
    m_failView->setVisible(failed);
    if (failed) {
        m_failPanel->raise();
        m_failView->raise();
        // The failure view's top edge reaches into the title bar's padding; the title stays above it.
        m_title->raise();
    }
}
