#include "discovery/LogoDetailView.h"

#include "DiscoveryFixture.h"
#include "api/APIFactory.h"
#include "api/SaveAndUploadSVG.h"
#include "components/LoadSvgFailView.h"
#include "core/SharedEvents.h"
#include "discovery/DiscoveryView.h"
#include "discovery/ImageLogo.h"
#include "discovery/MyDesignView.h"
#include "discovery/PromptView.h"
#include "discovery/SimlarItems.h"
#include "discovery/SimlarView.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <optional>

namespace {

const std::string templateDetailPath = "/index.php/Get_details_list";
const std::string designDetailPath = "/index.php/logo2/Get_design_detail";
const std::string designListPath = "/index.php/logo2/Get_design_list";
const std::string templateListPath = "/index.php/Get_discorys_list";

std::string detailReply(const std::string& similar, const std::string& svg = "<svg/>")
{
    return R"({"status":0,"reason":"","data":{"item":{"id":"7","title":"Harbor Coffee","desc":"A warm roastery mark",)"
           R"("img":"","svg":")"
        + svg + R"(","prompt":"coffee, harbor, anchor"},"similar":)" + similar + "}}";
}

// Clicks `control` where the user would: at its centre in its window, so a
// widget lying on top of it takes the click instead.
void clickThroughWindow(QWidget* control)
{
    QWidget* window = control->window();
    const QPoint point = control->mapTo(window, control->rect().center());
    QWidget* target = window->childAt(point);
    ASSERT_TRUE(target == control || control->isAncestorOf(target));
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window, point));
}

} // namespace

class LogoDetailViewTest : public DiscoveryFixture {
protected:
    // Saves `svg` as a new design of this device on the stand-in.
    bool storeDesign(const QByteArray& svg)
    {
        std::optional<bool> saved;
        saveAndUploadSVG(QStringLiteral("1"), QString::fromLatin1(svg.toBase64()), QStringLiteral("template"),
            [&](bool ok) { saved = ok; });
        return waitUntil([&] { return saved.has_value(); }) && *saved;
    }

    // Ids of the stand-in's first templates.
    QList<DiscorysModelContentData> templates()
    {
        QList<DiscorysModelContentData> items;
        bool done = false;
        getDiscorysList(
            0, 5,
            [&](const DiscorysModel& reply) {
                items = reply.data.items;
                done = true;
            },
            [&] { done = true; });
        waitUntil([&] { return done; });
        return items;
    }

    std::unique_ptr<LogoDetailView> openDetail(qint64 itemId, bool fromMyDesignsView = false, bool isVersionOne = false)
    {
        auto view = std::make_unique<LogoDetailView>(itemId, fromMyDesignsView, DetailsListModelDatas(), isVersionOne);
        view->resize(720, 490);
        QObject::connect(view.get(), &LogoDetailView::detailShown, view.get(), [this] { ++m_shown; });
        view->show();
        return view;
    }

    // Waits until the pages opened by this test have shown `count` replies in all.
    bool waitShown(int count) const
    {
        return waitUntil([&] { return m_shown >= count; });
    }

private:
    int m_shown = 0;
};

TEST_F(LogoDetailViewTest, ATemplateLoadsThroughTheTemplateRequestAndShowsItsDetails)
{
    const QList<DiscorysModelContentData> list = templates();
    ASSERT_FALSE(list.isEmpty());
    const int id = list.first().id.toInt();

    auto view = openDetail(id);
    ASSERT_TRUE(waitShown(1));
    const auto requests = requestsTo(templateDetailPath);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].body.value("item_id", -1), id);
    EXPECT_EQ(requestCount(designDetailPath), 0);

    const DetailsListContentData& item = view->item().item;
    EXPECT_FALSE(item.title.isEmpty());
    EXPECT_EQ(view->promptView()->titleLabel()->text(), item.title);
    EXPECT_EQ(view->promptView()->descLabel()->text(), item.desc);
    EXPECT_EQ(view->promptView()->promptLabel()->text(), item.prompt);
    EXPECT_EQ(view->imageLogo()->urlString(), item.img);
    ASSERT_GE(view->item().similar.size(), 2);
    EXPECT_TRUE(view->simlarView()->similarRow()->isVisible());
    EXPECT_EQ(view->simlarView()->similarTile(0)->imageUrl(), view->item().similar.at(0).img);
    EXPECT_EQ(view->simlarView()->similarTile(1)->imageUrl(), view->item().similar.at(1).img);
}

TEST_F(LogoDetailViewTest, ASavedDesignLoadsThroughTheDesignRequest)
{
    auto view = openDetail(12, true);
    ASSERT_TRUE(waitForRequests(designDetailPath, 1));
    EXPECT_EQ(requestsTo(designDetailPath)[0].body.value("item_id", -1), 12);
    EXPECT_EQ(requestCount(templateDetailPath), 0);

    // The editor's refresh for this design asks the design request again.
    RxBus::shared().post(LogoDetailViewEventBus::refreshEvent { 12 });
    ASSERT_TRUE(waitForRequests(designDetailPath, 2));
    EXPECT_EQ(requestsTo(designDetailPath)[1].body.value("item_id", -1), 12);
}

TEST_F(LogoDetailViewTest, ShortMissingOrEmptyDataNeverBreaksThePage)
{
    server().setReply(templateDetailPath, 200, detailReply(R"([{"id":"8","img":"http://127.0.0.1:1/a.png"}])"));
    auto view = openDetail(7);
    ASSERT_TRUE(waitShown(1));
    EXPECT_TRUE(view->simlarView()->similarRow()->isVisible());
    EXPECT_TRUE(view->simlarView()->similarTile(0)->isVisible());
    EXPECT_FALSE(view->simlarView()->similarTile(1)->isVisible());
    view->selectSimilar(1); // nothing there: nothing happens
    pumpEvents(50);
    EXPECT_EQ(requestCount(templateDetailPath), 1);

    server().setReply(templateDetailPath, 200, detailReply("[]"));
    view->loadDetail();
    ASSERT_TRUE(waitShown(2));
    EXPECT_FALSE(view->simlarView()->similarRow()->isVisible());
    EXPECT_TRUE(view->simlarView()->downloadButton()->isVisible());

    int shown = 2;
    for (const char* body : { R"({"status":0,"data":{}})", R"({"status":0})", R"({"status":0,"data":{"similar":null}})",
             R"({"status":0,"data":{"item":"text","similar":{"0":1}}})" }) {
        server().setReply(templateDetailPath, 200, body);
        view->loadDetail();
        ASSERT_TRUE(waitShown(++shown)) << body;
        EXPECT_TRUE(view->promptView()->titleLabel()->text().isEmpty()) << body;
        EXPECT_FALSE(view->simlarView()->similarRow()->isVisible()) << body;
        EXPECT_FALSE(view->simlarView()->editButton()->isEnabled()) << body;
    }
}

TEST_F(LogoDetailViewTest, AFailedOrRefusedLoadShowsTheFailureViewAndRetryAsksAgain)
{
    const std::pair<const char*, std::function<void()>> failures[] = {
        { "HTTP 500", [&] { server().setFault(templateDetailPath, standin::Fault::Http500); } },
        { "refused",
            [&] {
                server().setReply(templateDetailPath, 200, R"({"status":1,"reason":"template not found","data":{}})");
            } },
    };
    int shown = 0;
    for (const auto& [name, fail] : failures) {
        SCOPED_TRACE(name);
        server().clearFaults();
        server().setReply(templateDetailPath, 200, detailReply("[]"));
        auto view = openDetail(7);
        ASSERT_TRUE(waitShown(++shown));
        EXPECT_FALSE(view->failView()->isVisible());
        fail();
        view->loadDetail();
        ASSERT_TRUE(waitUntil([&] { return view->isLoadingSvgFail(); }));
        EXPECT_TRUE(view->failView()->isVisible());
        EXPECT_EQ(view->failView()->mapTo(view.get(), view->failView()->rect().center()), view->rect().center());
        EXPECT_EQ(view->promptView()->titleLabel()->text(), QStringLiteral("Harbor Coffee"));

        server().clearFaults();
        server().setReply(templateDetailPath, 200, detailReply("[]"));
        clickThroughWindow(view->failView()->retryButton());
        ASSERT_TRUE(waitShown(++shown));
        EXPECT_EQ(requestsTo(templateDetailPath).back().body.value("item_id", 0), 7);
        EXPECT_FALSE(view->failView()->isVisible());
    }
}

TEST_F(LogoDetailViewTest, ASimilarSavedDesignLoadsAndARefusedOneKeepsThePageAsItWas)
{
    for (const char* svg : { "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect width=\"4\" height=\"4\"/></svg>",
             "<svg xmlns=\"http://www.w3.org/2000/svg\"><circle r=\"4\"/></svg>" })
        ASSERT_TRUE(storeDesign(svg));
    const std::vector<std::string> ids = server().designIds(deviceUUID().toStdString());
    ASSERT_EQ(ids.size(), 2u);
    const qint64 newer = std::stoll(ids[0]);
    const qint64 older = std::stoll(ids[1]);

    auto view = openDetail(newer, true);
    ASSERT_TRUE(waitShown(1));
    ASSERT_TRUE(view->simlarView()->similarTile(0)->isVisible());
    clickThroughWindow(view->simlarView()->similarTile(0));
    ASSERT_TRUE(waitShown(2));
    EXPECT_FALSE(view->isLoadingSvgFail());
    EXPECT_EQ(requestsTo(designDetailPath).back().body.value("item_id", 0), older);
    EXPECT_EQ(view->shownItemId(), older);
    EXPECT_EQ(view->item().item.id.toLongLong(), older);

    // The similar design is gone from the server by the time it is chosen.
    bool deleted = false;
    delLogo(
        newer, [&](const DetailsListModel& reply) { deleted = reply.status == 0; }, [] {});
    ASSERT_TRUE(waitUntil([&] { return deleted; }));
    ASSERT_TRUE(view->simlarView()->similarTile(0)->isVisible());
    clickThroughWindow(view->simlarView()->similarTile(0));
    ASSERT_TRUE(waitUntil([&] { return view->isLoadingSvgFail(); }));
    EXPECT_TRUE(view->failView()->isVisible());
    EXPECT_EQ(view->itemId(), newer) << "Retry asks for the chosen design";
    EXPECT_EQ(view->shownItemId(), older) << "what the page holds is still the design it shows";
    EXPECT_EQ(view->item().item.id.toLongLong(), older);
    clickThroughWindow(view->failView()->retryButton());
    ASSERT_TRUE(waitForRequests(designDetailPath, 4));
    EXPECT_EQ(requestsTo(designDetailPath).back().body.value("item_id", 0), newer);
    ASSERT_TRUE(waitUntil([&] { return view->isLoadingSvgFail(); }));
}

TEST_F(LogoDetailViewTest, ASimilarTileSwitchesThePageToThatDesign)
{
    server().setReply(templateDetailPath, 200, detailReply(R"([{"id":"+31","img":""},{"id":"x9","img":""}])"));
    auto view = openDetail(7);
    ASSERT_TRUE(waitShown(1));
    QList<qint64> announced;
    QObject::connect(
        view.get(), &LogoDetailView::itemIdChanged, view.get(), [&](DesignId id) { announced << id.number(); });
    int refreshes = 0;
    QObject context;
    subscribeEvent<LogoDetailViewEventBus::refreshEvent>(
        &context, [&](const LogoDetailViewEventBus::refreshEvent&) { ++refreshes; });

    QTest::mouseClick(view->simlarView()->similarTile(0), Qt::LeftButton);
    ASSERT_TRUE(waitForRequests(templateDetailPath, 2));
    EXPECT_EQ(requestsTo(templateDetailPath)[1].body.value("item_id", 0), 31);
    EXPECT_EQ(view->itemId(), 31);

    // An id that isn't a decimal integer asks for -1.
    ASSERT_TRUE(waitShown(2));
    QTest::mouseClick(view->simlarView()->similarTile(1), Qt::LeftButton);
    ASSERT_TRUE(waitForRequests(templateDetailPath, 3));
    EXPECT_EQ(requestsTo(templateDetailPath)[2].body.value("item_id", 0), -1);
    EXPECT_EQ(announced, (QList<qint64> { 31, -1 }));
    EXPECT_EQ(refreshes, 0) << "the page switches by itself, not through the bus";
}

TEST_F(LogoDetailViewTest, OnlyTheLatestRequestIsShownAndEditOpensItUnderItsOwnId)
{
    const QList<DiscorysModelContentData> list = templates();
    ASSERT_GE(list.size(), 2);
    const int slowId = list.at(0).id.toInt();
    const int fastId = list.at(1).id.toInt();

    server().setFault(templateDetailPath, standin::Fault::Delay, 1500);
    auto view = openDetail(slowId);
    ASSERT_TRUE(waitForRequests(templateDetailPath, 1));
    server().clearFaults();
    view->showItem(fastId);
    ASSERT_TRUE(waitShown(1));
    const DetailsListModelDatas fast = view->item();
    EXPECT_EQ(view->shownItemId(), fastId);

    // The slow reply of the earlier request arrives later and is dropped.
    pumpEvents(2000);
    EXPECT_EQ(view->item().item.title, fast.item.title);
    EXPECT_EQ(view->shownItemId(), fastId);

    ASSERT_TRUE(view->simlarView()->editButton()->isEnabled());
    view->simlarView()->editButton()->click();
    ASSERT_EQ(openedEditors.size(), 1u);
    EXPECT_EQ(openedEditors[0].itemId, fastId);
    EXPECT_EQ(openedEditors[0].svg, fast.item.svg);
    EXPECT_FALSE(openedEditors[0].fromMyDesignsView);
}

TEST_F(LogoDetailViewTest, EditLogoWaitsForSvgTextAndIsAbsentForFirstVersionDesigns)
{
    server().setReply(designDetailPath, 200, detailReply("[]", ""));
    auto view = openDetail(7, true);
    ASSERT_TRUE(waitShown(1));
    EXPECT_TRUE(view->simlarView()->editButton()->isVisible());
    EXPECT_FALSE(view->simlarView()->editButton()->isEnabled());
    view->openInEditor();
    EXPECT_TRUE(openedEditors.empty());

    server().setReply(designDetailPath, 200, detailReply("[]", "<svg id='a'/>"));
    view->loadDetail();
    ASSERT_TRUE(waitShown(2));
    view->simlarView()->editButton()->click();
    ASSERT_EQ(openedEditors.size(), 1u);
    EXPECT_EQ(openedEditors[0].itemId, 7);
    EXPECT_EQ(openedEditors[0].svg, QStringLiteral("<svg id='a'/>"));
    EXPECT_TRUE(openedEditors[0].fromMyDesignsView);

    auto firstVersion = openDetail(8, true, true);
    ASSERT_TRUE(waitShown(3));
    EXPECT_FALSE(firstVersion->simlarView()->editButton()->isVisible());
    EXPECT_TRUE(firstVersion->simlarView()->downloadButton()->isVisible());
}

TEST_F(LogoDetailViewTest, TheDownloadToastComesAfterTheFileIsWritten)
{
    const std::string picture("RIFF....WEBPVP8 picture", 23);
    server().setReply("/static/test/detail.webp", 200, picture, "image/webp");
    const std::string img = server().baseUrl() + "/static/test/detail.webp";
    server().setReply(templateDetailPath, 200,
        R"({"status":0,"data":{"item":{"id":"7","img":")" + img + R"(","svg":"<svg/>"},"similar":[]}})");
    auto view = openDetail(7);
    ASSERT_TRUE(waitShown(1));

    const QString webp = QDir(documentsPath()).filePath(QStringLiteral("Tessaly/WEBP"));
    QStringList filesAtToast;
    QObject context;
    subscribeEvent<ContentViewEventBus::ToastEvent>(
        &context, [&](const ContentViewEventBus::ToastEvent&) { filesAtToast = QDir(webp).entryList(QDir::Files); });
    view->simlarView()->downloadButton()->click();
    EXPECT_TRUE(toasts.isEmpty()) << "no toast before the file is written";
    ASSERT_TRUE(waitUntil([&] { return !toasts.isEmpty(); }));
    EXPECT_EQ(toasts.constLast(), QStringLiteral("The logo has been saved to the \"Documents\" -> Tessaly directory"));
    ASSERT_EQ(filesAtToast.size(), 1);
    EXPECT_TRUE(filesAtToast[0].startsWith(QStringLiteral("Tessaly_")));
    EXPECT_TRUE(filesAtToast[0].endsWith(QStringLiteral(".webp")));
    QFile file(QDir(webp).filePath(filesAtToast[0]));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray::fromStdString(picture));
}

TEST_F(LogoDetailViewTest, AFailedDownloadSaysSo)
{
    server().setFault("/static/test/missing.webp", standin::Fault::Http500);
    const std::string img = server().baseUrl() + "/static/test/missing.webp";
    server().setReply(
        templateDetailPath, 200, R"({"status":0,"data":{"item":{"id":"7","img":")" + img + R"("},"similar":[]}})");
    auto view = openDetail(7);
    ASSERT_TRUE(waitShown(1));

    view->downloadOriginalImage();
    ASSERT_TRUE(waitUntil([&] { return !toasts.isEmpty(); }));
    EXPECT_EQ(toasts, QStringList { QStringLiteral("The image could not be downloaded. Please try again.") });

    // An empty URL fails at once, and says so too.
    server().setReply(templateDetailPath, 200, detailReply("[]"));
    view->loadDetail();
    ASSERT_TRUE(waitShown(2));
    view->downloadOriginalImage();
    EXPECT_EQ(toasts.size(), 2);
    EXPECT_FALSE(QDir(QDir(documentsPath()).filePath(QStringLiteral("Tessaly/WEBP"))).entryList(QDir::Files).size());
}

TEST_F(LogoDetailViewTest, TheEditorsRefreshReloadsOnlyTheDetailPageShowingTheSavedDesign)
{
    const std::string templateId = "21";
    const std::string designId = "4021";
    server().setReply(templateDetailPath, 200, detailReply(R"([{"id":"22","img":""},{"id":"4021","img":""}])"));
    server().setReply(designDetailPath, 200, detailReply("[]"));
    server().setReply(designListPath, 200,
        R"({"status":0,"data":{"items":[{"id":")" + designId + R"(","svg":"<svg/>","ver":"v2"}]}})");
    server().setReply(templateListPath, 200, R"({"status":0,"data":{"items":[{"id":")" + templateId + R"("}]}})");

    DiscoveryView discovery;
    discovery.show();
    ASSERT_TRUE(waitUntil([&] { return !discovery.items().isEmpty(); }));
    discovery.openTemplate(0);
    MyDesignView myDesign;
    myDesign.show();
    ASSERT_TRUE(waitUntil([&] { return !myDesign.items().isEmpty(); }));
    myDesign.openDesignDetail(myDesign.items().at(0));
    ASSERT_TRUE(waitForRequests(templateDetailPath, 1));
    ASSERT_TRUE(waitForRequests(designDetailPath, 1));

    // Saving the template reloads Discovery's page only.
    RxBus::shared().post(LogoDetailViewEventBus::refreshEvent { 21 });
    ASSERT_TRUE(waitForRequests(templateDetailPath, 2));
    pumpEvents(100);
    EXPECT_EQ(requestCount(designDetailPath), 1);
    EXPECT_EQ(myDesign.detailView()->itemId(), 4021);

    // Saving the design reloads My Design's page only.
    RxBus::shared().post(LogoDetailViewEventBus::refreshEvent { 4021 });
    ASSERT_TRUE(waitForRequests(designDetailPath, 2));
    EXPECT_EQ(requestsTo(designDetailPath)[1].body.value("item_id", 0), 4021);
    pumpEvents(100);
    EXPECT_EQ(requestCount(templateDetailPath), 2);
    EXPECT_EQ(discovery.detailView()->itemId(), 21);

    // A similar design chosen on Discovery's page (one whose id the design
    // happens to share) leaves My Design's page alone.
    ASSERT_TRUE(waitUntil([&] { return discovery.detailView()->item().similar.size() == 2; }));
    discovery.detailView()->selectSimilar(1);
    ASSERT_TRUE(waitForRequests(templateDetailPath, 3));
    EXPECT_EQ(requestsTo(templateDetailPath)[2].body.value("item_id", 0), 4021);
    pumpEvents(100);
    EXPECT_EQ(requestCount(designDetailPath), 2);
    EXPECT_EQ(discovery.itemId(), 4021);

    // A closed page no longer answers.
    myDesign.closeDetail();
    RxBus::shared().post(LogoDetailViewEventBus::refreshEvent { 4021 });
    ASSERT_TRUE(waitForRequests(templateDetailPath, 4));
    pumpEvents(100);
    EXPECT_EQ(requestCount(designDetailPath), 2);
}
