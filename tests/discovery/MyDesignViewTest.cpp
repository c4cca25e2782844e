#include "discovery/MyDesignView.h"

#include "DiscoveryFixture.h"
#include "components/LoadSvgFailView.h"
#include "components/QGrid.h"
#include "core/SharedEvents.h"
#include "discovery/DeleteView.h"
#include "discovery/DiscoveryEvents.h"
#include "discovery/ImageLabel.h"
#include "discovery/LogoDetailView.h"
#include "discovery/MyDesignItems.h"
#include "discovery/MyDesignViewTitleView.h"
#include "discovery/NotDesignItems.h"
#include "discovery/SimlarView.h"
#include "discovery/TapTarget.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <set>

namespace {

const std::string listPath = "/index.php/logo2/Get_design_list";
const std::string deletePath = "/index.php/logo2/Del_logo";

std::string designList(const std::string& items)
{
    return R"({"status":0,"reason":"","data":{"user_name":"","items":)" + items + "}}";
}

const std::string threeDesigns = designList(R"([
    {"id":"123","title":"Harbor","desc":"Coffee","img":"","svg":"<svg id='123'/>","ver":"v1"},
    {"id":"124","title":"Summit","desc":"Outdoor","img":"","svg":"<svg id='124'/>","ver":"V1"},
    {"id":"abc","title":"Odd","desc":"","img":"","svg":"<svg id='abc'/>","ver":" v1"}])");

} // namespace

class MyDesignViewTest : public DiscoveryFixture {
protected:
    std::unique_ptr<MyDesignView> showPage(const std::string& list)
    {
        server().setReply(listPath, 200, list);
        auto view = std::make_unique<MyDesignView>();
        QObject::connect(view.get(), &MyDesignView::designListApplied, view.get(), [this] { ++m_applied; });
        view->setDeleteConfirmation([this](QWidget*) {
            ++confirmations;
            return confirmAnswer;
        });
        view->show();
        [&] { ASSERT_TRUE(waitApplied(1)); }();
        return view;
    }

    bool waitApplied(int count) const
    {
        return waitUntil([&] { return m_applied >= count; });
    }
    int applied() const { return m_applied; }

    int confirmations = 0;
    bool confirmAnswer = true;

private:
    int m_applied = 0;
};

TEST_F(MyDesignViewTest, ListsTheDesignsInTheGridBelowTheDeleteBar)
{
    auto view = showPage(threeDesigns);
    ASSERT_EQ(view->items().size(), 3);
    EXPECT_EQ(view->grid()->cellCount(), 3);
    EXPECT_TRUE(view->grid()->isVisible());
    EXPECT_TRUE(view->deleteView()->isVisible());
    EXPECT_FALSE(view->emptyView()->isVisible());
    EXPECT_FALSE(view->isLoadingSvgFail());
    EXPECT_EQ(view->titleView()->titleLabel()->text(), QStringLiteral("My Design"));
    // Both first tiles share the first row.
    EXPECT_EQ(view->tile(0)->geometry().top(), view->tile(1)->geometry().top());
    EXPECT_LT(view->tile(0)->geometry().left(), view->tile(1)->geometry().left());

    // Only a version text of exactly "v1" shows the badge.
    EXPECT_TRUE(view->tile(0)->isVersionOne());
    EXPECT_FALSE(view->tile(1)->isVersionOne());
    EXPECT_FALSE(view->tile(2)->isVersionOne());
    EXPECT_TRUE(view->tile(0)->badge()->isVisible());
    EXPECT_FALSE(view->tile(1)->badge()->isVisible());
    // Every tile shows its tick box.
    EXPECT_TRUE(view->tile(2)->checkbox()->isVisible());
}

TEST_F(MyDesignViewTest, NoDesignsShowsTheAddTileWhichAsksForTheAiPage)
{
    auto view = showPage(designList("[]"));
    EXPECT_TRUE(view->emptyView()->isVisible());
    EXPECT_FALSE(view->grid()->isVisible());
    EXPECT_FALSE(view->deleteView()->isVisible());
    EXPECT_TRUE(view->titleView()->isVisible());
    EXPECT_EQ(view->emptyView()->addTile()->pos(), QPoint(20, 20));

    int asked = 0;
    QObject context;
    subscribeEvent<MyDesignEventBus::addDesignEvent>(
        &context, [&](const MyDesignEventBus::addDesignEvent&) { ++asked; });
    QTest::mouseClick(view->emptyView()->addTile(), Qt::LeftButton);
    QTest::mouseClick(view->emptyView()->addTile(), Qt::LeftButton);
    EXPECT_EQ(asked, 2);
}

TEST_F(MyDesignViewTest, ATileOpensItsDetailPageBelowTheTitle)
{
    auto view = showPage(threeDesigns);
    QTest::mouseClick(view->tile(0), Qt::LeftButton, {}, QPoint(40, 120));
    EXPECT_TRUE(view->isShowLogoDetailView());
    EXPECT_EQ(view->itemId(), 123);
    EXPECT_TRUE(view->isVersionOne());
    ASSERT_TRUE(view->detailView());
    EXPECT_TRUE(view->detailView()->isVisible());
    EXPECT_TRUE(view->detailView()->fromMyDesignsView());
    EXPECT_FALSE(view->detailView()->simlarView()->editButton()->isVisible());
    EXPECT_FALSE(view->deleteView()->isVisible());
    EXPECT_TRUE(view->titleView()->backControl()->isVisible());
    ASSERT_TRUE(waitForRequests("/index.php/logo2/Get_design_detail", 1));
    EXPECT_EQ(requestsTo("/index.php/logo2/Get_design_detail")[0].body.value("item_id", 0), 123);

    QTest::mouseClick(view->titleView()->backControl(), Qt::LeftButton);
    EXPECT_FALSE(view->isShowLogoDetailView());
    EXPECT_TRUE(view->deleteView()->isVisible());
    EXPECT_EQ(view->itemId(), 123);

    view->openDesignDetail(view->items().at(1));
    EXPECT_FALSE(view->isVersionOne());
    view->openDesignDetail(view->items().at(2));
    EXPECT_EQ(view->itemId(), -1);
    EXPECT_FALSE(view->isVersionOne());
}

TEST_F(MyDesignViewTest, TicksFollowThePagesListAndArmDeleteMode)
{
    auto view = showPage(designList(R"([{"id":"5"},{"id":"5"},{"id":"x"},{"id":""},{"id":"4294967301"}])"));
    QStringList posted;
    QObject context;
    subscribeEvent<DiscoveryItemsEventBus::DeleteSelectEvent>(
        &context, [&](const DiscoveryItemsEventBus::DeleteSelectEvent& event) { posted << event.id; });

    QTest::mouseClick(view->tile(0)->checkbox(), Qt::LeftButton);
    EXPECT_TRUE(view->tile(0)->isSelect());
    EXPECT_EQ(view->tile(0)->checkboxImage()->imageName(), QStringLiteral("Checkbox Type"));
    EXPECT_TRUE(view->deleteMode());
    EXPECT_FALSE(view->isShowLogoDetailView()) << "a tick box tap opens nothing";
    QTest::mouseClick(view->tile(1)->checkbox(), Qt::LeftButton);
    view->tile(2)->toggleSelect();
    view->tile(3)->toggleSelect();
    EXPECT_EQ(view->selectedIds(), (std::vector<qint64> { 5, 5, -1, -1 }));
    view->tile(4)->toggleSelect();
    EXPECT_EQ(view->selectedIds(), (std::vector<qint64> { 5, 5, -1, -1, Q_INT64_C(4294967301) }));

    view->tile(1)->toggleSelect();
    view->tile(3)->toggleSelect();
    view->tile(4)->toggleSelect();
    EXPECT_EQ(view->selectedIds(), (std::vector<qint64> { 5, -1 }));
    view->tile(0)->toggleSelect();
    view->tile(2)->toggleSelect();
    EXPECT_TRUE(view->selectedIds().empty());
    EXPECT_FALSE(view->deleteMode()) << "unticking the last leaves delete mode";
    EXPECT_EQ(posted, (QStringList { "5", "5", "x", "", "4294967301", "5", "", "4294967301", "5", "x" }));

    // A finished delete unticks every tile, and the page forgets the ticks.
    view->tile(0)->toggleSelect();
    view->tile(3)->toggleSelect();
    RxBus::shared().post(DiscoveryItemsEventBus::DeleteEvent {});
    EXPECT_FALSE(view->tile(0)->isSelect());
    EXPECT_FALSE(view->tile(3)->isSelect());
    EXPECT_EQ(view->tile(3)->checkboxImage()->imageName(), QStringLiteral("Checkbox Type (1)"));
    EXPECT_TRUE(view->selectedIds().empty());
    EXPECT_FALSE(view->deleteMode());
}

TEST_F(MyDesignViewTest, ManyDesignsBuildOnlyTheTilesNearTheViewAndKeepTheirTicksWhenScrolledBack)
{
    std::string items = "[";
    for (int i = 0; i < 400; ++i)
        items += (i ? ",{\"id\":\"" : "{\"id\":\"") + std::to_string(1000 + i) + "\"}";
    auto view = showPage(designList(items + "]"));
    ASSERT_EQ(view->grid()->cellCount(), 400);
    ASSERT_NE(view->tile(1), nullptr);
    EXPECT_EQ(view->tile(399), nullptr);
    view->tile(1)->toggleSelect();

    QScrollBar* bar = view->grid()->scrollArea()->verticalScrollBar();
    bar->setValue(bar->maximum());
    EXPECT_EQ(view->tile(1), nullptr);
    ASSERT_NE(view->tile(399), nullptr);
    EXPECT_FALSE(view->tile(399)->isSelect());
    view->tile(399)->toggleSelect();
    bar->setValue(0);
    ASSERT_NE(view->tile(1), nullptr);
    EXPECT_TRUE(view->tile(1)->isSelect());
    EXPECT_FALSE(view->tile(0)->isSelect());
    EXPECT_EQ(view->selectedIds(), (std::vector<qint64> { 1001, 1399 }));

    // A finished delete unticks the tiles that are not built as well.
    RxBus::shared().post(DiscoveryItemsEventBus::DeleteEvent {});
    bar->setValue(bar->maximum());
    EXPECT_FALSE(view->tile(399)->isSelect());
}

TEST_F(MyDesignViewTest, HoveringATileShowsItsTitleStrip)
{
    auto view = showPage(threeDesigns);
    MyDesignItems* tile = view->tile(0);
    QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), QPointF(10, 10));
    QCoreApplication::sendEvent(tile, &enter);
    EXPECT_TRUE(tile->showHoverText());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(tile, &leave);
    EXPECT_FALSE(tile->showHoverText());
}

TEST_F(MyDesignViewTest, DeleteArmsFirstThenAsksAndSureDeletesEachTickedDesignThenReloadsOnce)
{
    auto view = showPage(threeDesigns);
    DeleteView* bar = view->deleteView();

    QTest::mouseClick(bar->control(), Qt::LeftButton);
    EXPECT_TRUE(view->deleteMode());
    EXPECT_EQ(bar->binImage()->imageName(), QStringLiteral("Bin (1)"));
    EXPECT_EQ(confirmations, 0);

    view->tile(1)->toggleSelect();
    view->tile(0)->toggleSelect();
    int deleteEvents = 0;
    QObject context;
    subscribeEvent<DiscoveryItemsEventBus::DeleteEvent>(
        &context, [&](const DiscoveryItemsEventBus::DeleteEvent&) { ++deleteEvents; });
    server().setReply(deletePath, 200, R"({"status":0,"reason":"","data":{}})");
    QTest::mouseClick(bar->control(), Qt::LeftButton);
    EXPECT_EQ(confirmations, 1);
    EXPECT_FALSE(view->deleteMode());
    EXPECT_TRUE(view->selectedIds().empty());

    ASSERT_TRUE(waitForRequests(deletePath, 2));
    // Both are sent at once, so the server may take them in either order.
    std::set<int> deleted;
    for (const standin::RecordedRequest& request : requestsTo(deletePath))
        deleted.insert(request.body.value("item_id", 0));
    EXPECT_EQ(deleted, (std::set<int> { 123, 124 }));
    ASSERT_TRUE(waitApplied(2));
    pumpEvents(200);
    EXPECT_EQ(applied(), 2) << "the list is loaded once, after both replies";
    EXPECT_EQ(requestCount(listPath), 2);
    EXPECT_EQ(deleteEvents, 2);
}

TEST_F(MyDesignViewTest, CancelSendsNothingAndKeepsTheTicks)
{
    auto view = showPage(threeDesigns);
    confirmAnswer = false;
    view->tile(0)->toggleSelect();
    QTest::mouseClick(view->deleteView()->control(), Qt::LeftButton);
    EXPECT_EQ(confirmations, 1);
    pumpEvents(100);
    EXPECT_EQ(requestCount(deletePath), 0);
    EXPECT_TRUE(view->deleteMode());
    EXPECT_EQ(view->selectedIds(), std::vector<qint64> { 123 });
}

TEST_F(MyDesignViewTest, AReloadClearsTheTickedIds)
{
    auto view = showPage(threeDesigns);
    view->tile(0)->toggleSelect();
    view->tile(1)->toggleSelect();
    RxBus::shared().post(MyDesignEventBus::getDataEvent {});
    EXPECT_TRUE(view->selectedIds().empty());
    EXPECT_FALSE(view->deleteMode());
    ASSERT_TRUE(waitApplied(2));
    EXPECT_EQ(requestCount(listPath), 2);
    EXPECT_FALSE(view->tile(0)->isSelect());

    // "Sure" now deletes nothing the user can't see ticked.
    view->tile(2)->toggleSelect();
    view->deleteSelectedDesigns();
    ASSERT_TRUE(waitForRequests(deletePath, 1));
    pumpEvents(100);
    ASSERT_EQ(requestCount(deletePath), 1);
    EXPECT_EQ(requestsTo(deletePath)[0].body.value("item_id", 0), -1);
}

TEST_F(MyDesignViewTest, AFailedDeleteTellsTheUser)
{
    auto view = showPage(threeDesigns);
    server().setFault(deletePath, standin::Fault::Http500);
    view->tile(0)->toggleSelect();
    view->deleteSelectedDesigns();
    ASSERT_TRUE(waitUntil([&] { return !toasts.isEmpty(); }));
    EXPECT_EQ(toasts, QStringList { QStringLiteral("The design could not be deleted. Please try again.") });
    // The list comes back with nothing ticked.
    ASSERT_TRUE(waitApplied(2));
    EXPECT_FALSE(view->tile(0)->isSelect());

    // A refusal by the server is a failure too.
    server().clearFaults();
    server().setReply(deletePath, 200, R"({"status":1,"reason":"design not found","data":{}})");
    view->tile(1)->toggleSelect();
    view->deleteSelectedDesigns();
    ASSERT_TRUE(waitUntil([&] { return toasts.size() == 2; }));
}

TEST_F(MyDesignViewTest, PictureToLogoOpensTheFirstDesignOnlyWhenThereIsOne)
{
    auto view = showPage(threeDesigns);
    view->openDesignDetail(view->items().at(0));

    RxBus::shared().post(GeneratingViewEventBus::ToMyDesignPageEvent { true });
    EXPECT_FALSE(view->isShowLogoDetailView());
    EXPECT_TRUE(view->items().isEmpty());
    ASSERT_TRUE(waitApplied(2));
    ASSERT_EQ(openedEditors.size(), 1u);
    EXPECT_EQ(openedEditors[0].itemId, 123);
    EXPECT_EQ(openedEditors[0].svg, QStringLiteral("<svg id='123'/>"));
    EXPECT_TRUE(openedEditors[0].fromMyDesignsView);

    RxBus::shared().post(GeneratingViewEventBus::ToMyDesignPageEvent { false });
    ASSERT_TRUE(waitApplied(3));
    EXPECT_EQ(openedEditors.size(), 1u);

    server().setReply(listPath, 200, designList("[]"));
    RxBus::shared().post(GeneratingViewEventBus::ToMyDesignPageEvent { true });
    ASSERT_TRUE(waitApplied(4));
    EXPECT_EQ(openedEditors.size(), 1u);

    server().setReply(listPath, 200, designList(R"([{"id":"n/a","svg":"<svg/>"}])"));
    RxBus::shared().post(GeneratingViewEventBus::ToMyDesignPageEvent { true });
    ASSERT_TRUE(waitApplied(5));
    ASSERT_EQ(openedEditors.size(), 2u);
    EXPECT_EQ(openedEditors[1].itemId, 0);
}

TEST_F(MyDesignViewTest, AFailedLoadShowsTheFailureLayerAndRetryLoadsAgain)
{
    auto view = showPage(threeDesigns);
    server().setFault(listPath, standin::Fault::Http500);
    view->reloadDesignList();
    ASSERT_TRUE(waitUntil([&] { return view->isLoadingSvgFail(); }));
    EXPECT_TRUE(view->failView()->isVisible());
    EXPECT_TRUE(view->emptyView()->isVisible());

    server().clearFaults();
    const int before = requestCount(listPath);
    view->failView()->retryButton()->click();
    ASSERT_TRUE(waitUntil([&] { return !view->isLoadingSvgFail() && view->items().size() == 3; }));
    EXPECT_FALSE(view->failView()->isVisible());
    // Its own reload and the one for the retry event.
    EXPECT_TRUE(waitForRequests(listPath, before + 2));
}

TEST_F(MyDesignViewTest, ARefusedOrUnreadableListShowsTheFailureLayer)
{
    auto view = showPage(threeDesigns);
    server().setReply(listPath, 200, R"({"status":3,"reason":"busy"})");
    RxBus::shared().post(EditLogoViewEvent::RetryEvent {});
    ASSERT_TRUE(waitUntil([&] { return view->isLoadingSvgFail(); }));

    server().clearReplies();
    server().setReply(listPath, 200, threeDesigns);
    view->failView()->retryButton()->click();
    ASSERT_TRUE(waitUntil([&] { return !view->isLoadingSvgFail(); }));
    server().setFault(listPath, standin::Fault::WrongTypes);
    RxBus::shared().post(MyDesignEventBus::getDataEvent {});
    ASSERT_TRUE(waitUntil([&] { return view->isLoadingSvgFail(); }));
    EXPECT_TRUE(view->failView()->isVisible());

    // A list the server answered with is shown, even when nothing in it could be read.
    server().clearFaults();
    server().setReply(listPath, 200, R"({"status":0,"data":{"items":"not a list"}})");
    RxBus::shared().post(MyDesignEventBus::getDataEvent {});
    ASSERT_TRUE(waitUntil([&] { return !view->isLoadingSvgFail(); }));
    EXPECT_TRUE(view->items().isEmpty());
}
