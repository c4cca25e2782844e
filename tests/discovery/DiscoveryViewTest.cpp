#include "discovery/DiscoveryView.h"

#include "DiscoveryFixture.h"
#include "components/LoadSvgFailView.h"
#include "core/SharedEvents.h"
#include "discovery/DiscoveryController.h"
#include "discovery/DiscoveryViewTitleView.h"
#include "discovery/LogoDetailView.h"
#include "discovery/TapTarget.h"
#include "discovery/TemplateGridView.h"
#include "discovery/TemplateListModel.h"
#include "discovery/ThumbnailCache.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>

namespace {

const std::string listPath = "/index.php/Get_discorys_list";

} // namespace

class DiscoveryViewTest : public DiscoveryFixture {
protected:
    // The template picture requests made so far, by path.
    QSet<QString> pictureRequests() const
    {
        QSet<QString> paths;
        for (const standin::RecordedRequest& request : server().requests()) {
            if (request.method == "GET" && request.path.rfind("/static/templates/", 0) == 0)
                paths.insert(QString::fromStdString(request.path));
        }
        return paths;
    }

    void showAndLoad(DiscoveryView& view)
    {
        view.show();
        ASSERT_TRUE(waitUntil([&] { return !view.items().isEmpty(); }));
    }
};

TEST_F(DiscoveryViewTest, FirstAppearanceAsksOnceForTheWholeList)
{
    DiscoveryView view;
    showAndLoad(view);

    const auto requests = requestsTo(listPath);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "POST");
    EXPECT_EQ(requests[0].body.value("page_no", -1), 0);
    EXPECT_EQ(requests[0].body.value("page_len", -1), 20000);
    EXPECT_EQ(view.items().size(), 300);
    EXPECT_EQ(view.grid()->model()->rowCount(), 300);
    EXPECT_FALSE(view.isLoadingSvgFail());
    EXPECT_EQ(view.failView(), nullptr); // built on the first failure only
    EXPECT_TRUE(view.titleView()->titleLabel()->isVisible());
    EXPECT_EQ(view.titleView()->titleLabel()->text(), QStringLiteral("Discovery"));

    // Showing the page again with a list in hand asks for nothing.
    view.hide();
    view.show();
    pumpEvents(100);
    EXPECT_EQ(requestCount(listPath), 1);
}

TEST_F(DiscoveryViewTest, LaysCardsOutInFourColumnsAndLoadsOnlyVisiblePictures)
{
    DiscoveryView view;
    showAndLoad(view);
    TemplateGridView* grid = view.grid();

    // Columns 175 wide from a 10-point padding, cards of 161 centred in them, rows 173 apart.
    EXPECT_EQ(grid->cardRect(0), QRect(7, 0, 161, 161));
    EXPECT_EQ(grid->cardRect(3), QRect(3 * 175 + 7, 0, 161, 161));
    EXPECT_EQ(grid->cardRect(4), QRect(7, 173, 161, 161));
    EXPECT_EQ(grid->viewport()->geometry().topLeft(), QPoint(10, 10));

    ASSERT_TRUE(waitUntil([&] { return view.thumbnails()->cachedCount() >= 8; }));
    const QSet<QString> first = pictureRequests();
    EXPECT_LE(first.size(), 16) << "only the cards on screen load their pictures";

    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
    ASSERT_TRUE(waitUntil([&] { return view.thumbnails()->cachedCount() >= 16; }));
    pumpEvents(100);
    const QSet<QString> after = pictureRequests();
    EXPECT_LE(after.size(), 32);
    // The last card's picture is among them.
    const QString lastImage = view.items().constLast().img;
    EXPECT_TRUE(std::any_of(after.begin(), after.end(), [&](const QString& path) { return lastImage.endsWith(path); }));
}

TEST_F(DiscoveryViewTest, HoverShowsTheCaptionOfTheCardUnderThePointer)
{
    DiscoveryView view;
    showAndLoad(view);
    TemplateGridView* grid = view.grid();
    QWidget* viewport = grid->viewport();

    QTest::mouseMove(viewport, grid->cardRect(5).center());
    EXPECT_EQ(grid->hoveredRow(), 5);
    // The gap between rows belongs to no card.
    QTest::mouseMove(viewport, QPoint(grid->cardRect(5).center().x(), grid->cardRect(5).bottom() + 6));
    EXPECT_EQ(grid->hoveredRow(), -1);
    QTest::mouseMove(viewport, grid->cardRect(2).center());
    EXPECT_EQ(grid->hoveredRow(), 2);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(viewport, &leave);
    EXPECT_EQ(grid->hoveredRow(), -1);

    // The band darkens the card's bottom edge only while hovered.
    QTest::mouseMove(viewport, grid->cardRect(0).center());
    const QPoint band = grid->cardRect(0).bottomLeft() + QPoint(80, -4);
    const QImage hovered = viewport->grab().toImage();
    QEvent leaveAgain(QEvent::Leave);
    QCoreApplication::sendEvent(viewport, &leaveAgain);
    const QImage plain = viewport->grab().toImage();
    const qreal ratio = hovered.devicePixelRatio();
    EXPECT_LT(qGray(hovered.pixel(band * ratio)), qGray(plain.pixel(band * ratio)));
}

TEST_F(DiscoveryViewTest, AFailedLoadShowsTheFailureViewAndRetryRecovers)
{
    server().setFault(listPath, standin::Fault::Http500);
    DiscoveryView view;
    view.show();
    ASSERT_TRUE(waitUntil([&] { return view.isLoadingSvgFail(); }));
    EXPECT_TRUE(view.failView()->isVisible());
    EXPECT_EQ(QRect(view.failView()->mapTo(&view, QPoint(0, 0)), view.failView()->size()), QRect(130, 78, 460, 460));
    // It reaches into the title bar's last rows, where the descender of "Discovery" stays drawn.
    const QImage page = view.grab().toImage();
    int titleInkBelowItsTop = 0;
    for (int y = 78; y < 84; ++y) {
        for (int x = 280; x < 440; ++x)
            titleInkBelowItsTop += qGray(page.pixel(QPoint(x, y) * page.devicePixelRatio())) > 0x80;
    }
    EXPECT_GT(titleInkBelowItsTop, 0);
    EXPECT_TRUE(view.items().isEmpty());

    server().clearFaults();
    view.failView()->retryButton()->click();
    ASSERT_TRUE(waitUntil([&] { return !view.isLoadingSvgFail() && !view.items().isEmpty(); }));
    EXPECT_FALSE(view.failView()->isVisible());
    // Its own action and the retry event each load once.
    EXPECT_TRUE(waitForRequests(listPath, 3));
    pumpEvents(100);
    EXPECT_EQ(requestCount(listPath), 3);
}

TEST_F(DiscoveryViewTest, AFailedReloadKeepsTheTemplatesItHad)
{
    DiscoveryView view;
    showAndLoad(view);
    server().setFault(listPath, standin::Fault::NotJson);
    RxBus::shared().post(EditLogoViewEvent::RetryEvent {});
    ASSERT_TRUE(waitUntil([&] { return view.isLoadingSvgFail(); }));
    EXPECT_EQ(view.items().size(), 300);
}

TEST_F(DiscoveryViewTest, AnEmptyReplyLeavesAnEmptyGridWithoutTheFailureView)
{
    server().setReply(listPath, 200, R"({"status":0,"reason":"","data":{"page_no":0,"items":[]}})");
    DiscoveryView view;
    view.show();
    ASSERT_TRUE(waitForRequests(listPath, 1));
    pumpEvents(200);
    EXPECT_TRUE(view.items().isEmpty());
    EXPECT_FALSE(view.isLoadingSvgFail());
}

TEST_F(DiscoveryViewTest, ACardClickOpensItsDetailPageAndBackClosesIt)
{
    server().setReply(listPath, 200,
        R"({"status":0,"data":{"items":[
            {"id":"00042","title":"Lumen","desc":"Light","img":""},
            {"id":"12a","title":"Bad id","desc":"","img":""}]}})");
    DiscoveryView view;
    showAndLoad(view);
    TemplateGridView* grid = view.grid();

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cardRect(0).center());
    ASSERT_TRUE(view.isShowLogoDetailView());
    EXPECT_EQ(view.itemId(), 42);
    ASSERT_TRUE(view.detailView());
    EXPECT_TRUE(view.detailView()->isVisible());
    EXPECT_FALSE(view.detailView()->fromMyDesignsView());
    EXPECT_TRUE(view.titleView()->backControl()->isVisible());
    EXPECT_FALSE(view.titleView()->titleLabel()->isVisible());
    ASSERT_TRUE(waitForRequests("/index.php/Get_details_list", 1));
    EXPECT_EQ(requestsTo("/index.php/Get_details_list")[0].body.value("item_id", 0), 42);

    QTest::mouseClick(view.titleView()->backControl(), Qt::LeftButton);
    EXPECT_FALSE(view.isShowLogoDetailView());
    EXPECT_FALSE(view.detailView());
    EXPECT_TRUE(view.titleView()->titleLabel()->isVisible());
    EXPECT_EQ(view.itemId(), 42);

    view.openTemplate(1);
    EXPECT_EQ(view.itemId(), -1);
}

TEST_F(DiscoveryViewTest, TwentyThousandTemplatesAskOnlyForTheCardsOnScreen)
{
    QList<DiscorysModelContentData> items;
    items.reserve(20000);
    for (int i = 0; i < 20000; ++i) {
        DiscorysModelContentData item;
        item.id = QString::number(i);
        item.title = QStringLiteral("Template %1").arg(i);
        item.img = QString::fromStdString(server().baseUrl()) + QStringLiteral("/static/templates/%1/none.png").arg(i);
        items.append(item);
    }
    DiscorysModel reply;
    reply.data.items = items;

    DiscoveryView view;
    view.controller()->applyReply(reply);
    view.show();
    pumpEvents(200);
    EXPECT_EQ(view.grid()->model()->rowCount(), 20000);
    EXPECT_LE(view.thumbnails()->inFlightCount(), ThumbnailCache::maxInFlight);

    // Flinging through the whole list leaves a bounded queue behind.
    QScrollBar* bar = view.grid()->verticalScrollBar();
    for (int value = 0; value < bar->maximum(); value += bar->pageStep()) {
        bar->setValue(value);
        view.grid()->viewport()->repaint();
    }
    bar->setValue(bar->maximum());
    view.grid()->viewport()->repaint();
    EXPECT_LE(view.thumbnails()->waitingCount(), ThumbnailCache::maxWaiting);
    EXPECT_LE(view.thumbnails()->inFlightCount(), ThumbnailCache::maxInFlight);
}
