#include "discovery/MyDesignView.h"

#include "api/APIFactory.h"
#include "components/QGrid.h"
#include "core/ColorUtilities.h"
#include "core/Localization.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"
#include "components/AppearanceWatcher.h"
#include "core/DecimalId.h"
#include "discovery/DeleteView.h"
#include "discovery/DiscoveryEvents.h"
#include "discovery/LogoDetailView.h"
#include "discovery/MyDesignItems.h"
#include "discovery/MyDesignViewTitleView.h"
#include "discovery/NotDesignItems.h"
#include "core/SharedEvents.h"
#include "components/LoadSvgFailView.h"
#include "globals/AppGlobals.h"

#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

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
} // namespace

MyDesignView::MyDesignView(QWidget* parent)
    : QWidget(parent)
    , m_confirmDelete(&MyDesignView::askToDelete)
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

    QGridOptions gridOptions;
    gridOptions.columns = 4;
    gridOptions.vSpacing = 12;
    gridOptions.hSpacing = 0;
    gridOptions.vPadding = 10;
    gridOptions.hPadding = 10;
    gridOptions.isScrollable = true;
    gridOptions.showScrollIndicators = false;
    m_grid = new QGrid(
        0, gridOptions, [](int) { return nullptr; }, content);
    m_grid->setFixedWidth(pageWidth);
    // The grid's see-through content shows as black in this page's stack; paint it the page's colour.
    m_grid->contentWidget()->setAttribute(Qt::WA_TranslucentBackground, false);
    m_grid->contentWidget()->setAttribute(Qt::WA_NoSystemBackground, false);
    fillDark(m_grid->contentWidget());
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

    connect(m_title, &PageTitleBar::backRequested, this, &MyDesignView::closeDetail);
    connect(m_deleteView, &DeleteView::deleteModeRequested, this, [this] { setDeleteMode(true); });
    connect(m_deleteView, &DeleteView::alertRequested, this, &MyDesignView::deleteControlTapped);

    subscribeEvent<DiscoveryItemsEventBus::DeleteSelectEvent>(
        this, [this](const DiscoveryItemsEventBus::DeleteSelectEvent&) { setDeleteMode(!deleteItemIds().empty()); });
    subscribeEvent<GeneratingViewEventBus::ToMyDesignPageEvent>(
        this, [this](const GeneratingViewEventBus::ToMyDesignPageEvent& event) {
            closeDetail();
            setItems({});
            setDeleteMode(false);
            loadDesignList(event.formAIPics);
        });
    subscribeEvent<MyDesignEventBus::openEditLogoViewEvent>(
        this, [this](const MyDesignEventBus::openEditLogoViewEvent&) { openFirstDesignInEditor(); });
    subscribeEvent<MyDesignEventBus::getDataEvent>(
        this, [this](const MyDesignEventBus::getDataEvent&) { reloadDesignList(); });
    subscribeEvent<EditLogoViewEvent::RetryEvent>(
        this, [this](const EditLogoViewEvent::RetryEvent&) { reloadDesignList(); });
    connect(new AppearanceWatcher(this), &AppearanceWatcher::appeared, this, &MyDesignView::appear);

    updateVisibility();
}

MyDesignItems* MyDesignView::tile(int index) const
{
    return qobject_cast<MyDesignItems*>(m_grid->cell(index));
}

void MyDesignView::appear()
{
    setDeleteMode(false);
    loadDesignList(false);
}

void MyDesignView::loadDesignList(bool openEditor)
{
    getDesignList(
        [this, openEditor](const DesignListModel& reply) {
            setItems(reply.data.items);
            if (openEditor)
                RxBus::shared().post(MyDesignEventBus::openEditLogoViewEvent {});
            setLoadingSvgFail(false);
            Q_EMIT designListApplied();
        },
        [this] { setLoadingSvgFail(true); }, this);
}

void MyDesignView::reloadDesignList()
{
    setItems({});
    setDeleteMode(false);
    loadDesignList(false);
}

void MyDesignView::setItems(QList<DesignListContentData> items)
{
    m_items = std::move(items);
    // Tiles are rebuilt unticked, so no id stays picked that no tile shows ticked.
    deleteItemIds().clear();
    m_grid->setData(m_items, [this](const DesignListContentData& design) {
        return new MyDesignItems(design, true, false, false, false, [this, design] { openDesignDetail(design); });
    });
    updateVisibility();
}

void MyDesignView::openFirstDesignInEditor()
{
    // The new list may be empty (the design was removed meanwhile): nothing to open.
    if (m_items.isEmpty())
        return;
    const DesignListContentData& first = m_items.constFirst();
    openEditLogoWindow(decimalIdOr(first.id, 0), first.svg, true);
}

void MyDesignView::openDesignDetail(const DesignListContentData& design)
{
    m_itemId = decimalIdOr(design.id, -1);
    m_isVersionOne = design.ver == QLatin1String("v1");
    m_isShowLogoDetailView = true;
    delete m_detail;
    m_detail = new LogoDetailView(m_itemId, true, DetailsListModelDatas(), m_isVersionOne, m_detailArea);
    m_detail->setGeometry(m_detailArea->rect());
    connect(m_detail, &LogoDetailView::itemIdChanged, this, [this](int id) { m_itemId = id; });
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
    const std::vector<qint64> ids = deleteItemIds();
    deleteItemIds().clear();
    for (qint64 id : ids) {
        delLogo(
            id,
            [this](const DetailsListModel& reply) {
                if (reply.status != 0) {
                    deleteFailed();
                    return;
                }
                RxBus::shared().post(DiscoveryItemsEventBus::DeleteEvent {});
                reloadDesignList();
            },
            [this] { deleteFailed(); }, this);
    }
}

void MyDesignView::deleteFailed()
{
    RxBus::shared().post(ContentViewEventBus::ToastEvent {
        localized(QStringLiteral("The design could not be deleted. Please try again.")) });
    // The list shows again what the server holds, with no tile left ticked.
    reloadDesignList();
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

void MyDesignView::setLoadingSvgFail(bool failed)
{
    m_isLoadingSvgFail = failed;
    updateVisibility();
}

void MyDesignView::updateVisibility()
{
    const bool hasItems = !m_items.isEmpty();
    m_deleteRow->setVisible(hasItems && !m_isShowLogoDetailView);
    // The detail page stands where the grid was; the grid keeps its place and scroll position.
    m_grid->setVisible(hasItems && !m_isShowLogoDetailView);
    m_detailArea->setVisible(hasItems && m_isShowLogoDetailView);
    m_emptyView->setVisible(!hasItems);
    m_failPanel->setVisible(m_isLoadingSvgFail);
    m_failView->setVisible(m_isLoadingSvgFail);
    if (m_isLoadingSvgFail) {
        m_failPanel->raise();
        m_failView->raise();
    }
}
