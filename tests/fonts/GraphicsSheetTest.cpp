// The graphics panel and the font list against the stand-in over real HTTP.

#include "components/LoadSvgFailView.h"
#include "core/RxBus.h"
#include "editor/EditorEvents.h"
#include "fonts/FontCatalogue.h"
#include "fonts/GraphicsAddSheet.h"
#include "fonts/ImageButtonForGraphicsAdd.h"
#include "support/StandinHarness.h"
#include "support/TestSupport.h"
#include "support/UserClick.h"

#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <limits>

namespace {

class GraphicsSheetTest : public ::testing::Test {
protected:
    // Opens the panel as the editor does, in the 270 × 522 column.
    std::unique_ptr<GraphicsAddSheet> openSheet()
    {
        auto sheet = std::make_unique<GraphicsAddSheet>(nullptr);
        sheet->resize(270, 522);
        sheet->show();
        EXPECT_TRUE(waitUntil([&] { return sheet->content()->x() == 0; }, 3000));
        return sheet;
    }

    std::vector<standin::RecordedRequest> pageRequests() { return m_harness.server().requestsTo("/logo2/GetShape"); }
    std::vector<standin::RecordedRequest> catalogueRequests()
    {
        return m_harness.server().requestsTo("/logo2/GetShapeType");
    }

    mutable StandinHarness m_harness;
};

TEST_F(GraphicsSheetTest, ShowsThePageOfTheFirstCategoryAndLoadsTheThumbnailsInView)
{
    auto sheet = openSheet();
    ASSERT_TRUE(waitUntil([&] { return sheet->cells().size() == 45; }));
    EXPECT_EQ(sheet->selectedTab(), QStringLiteral("Basic shapes"));
    ASSERT_EQ(pageRequests().size(), 1u);
    const nlohmann::json body = pageRequests().front().body;
    EXPECT_EQ(body.value("type", -1), 1);
    EXPECT_EQ(body.value("page", -1), 0);
    EXPECT_EQ(body.value("count", -1), 1000);

    ImageButtonForGraphicsAdd* first = sheet->cells().first();
    EXPECT_TRUE(waitUntil([&] { return first->hasThumbnail(); }));
    // Cells far below the fold wait until they are scrolled into view.
    EXPECT_FALSE(sheet->cells().last()->hasRequestedThumbnail());
    QScrollBar* scroll = sheet->scrollArea()->verticalScrollBar();
    scroll->setValue(scroll->maximum());
    EXPECT_TRUE(waitUntil([&] { return sheet->cells().last()->hasThumbnail(); }));
}

TEST_F(GraphicsSheetTest, TheCategoryIdIsSentWholeAndAnythingButANumberIsZero)
{
    struct Case {
        const char* igid;
        long long sent;
    };
    for (const Case& c : { Case { "abc", 0 }, Case { "", 0 }, Case { "+12", 12 },
             Case { "-9223372036854775808", std::numeric_limits<long long>::min() },
             Case { "9223372036854775808", 0 } }) {
        m_harness.server().clearRequests();
        m_harness.server().setReply("/index.php/logo2/GetShapeType", 200,
            std::string(R"({"code":0,"status":0,"data":{"item":[{"igid":")") + c.igid + R"(","name":"Odd"}]}})");
        auto sheet = openSheet();
        ASSERT_TRUE(waitUntil([&] { return !pageRequests().empty(); })) << c.igid;
        EXPECT_EQ(pageRequests().front().body.value("type", -1LL), c.sent) << c.igid;
    }
}

TEST_F(GraphicsSheetTest, AnEmptyCatalogueLeavesTheGridEmpty)
{
    m_harness.server().setReply("/index.php/logo2/GetShapeType", 200, R"({"code":0,"status":0,"data":{"item":[]}})");
    auto empty = openSheet();
    ASSERT_TRUE(waitUntil([&] { return !catalogueRequests().empty(); }));
    pumpEvents(200);
    EXPECT_TRUE(pageRequests().empty());
    EXPECT_TRUE(empty->cells().isEmpty());
    EXPECT_FALSE(empty->failView()->isVisible());
}

TEST_F(GraphicsSheetTest, AFailedRequestShowsTheFailureViewAndRetryAsksAgain)
{
    for (const char* route : { "/index.php/logo2/GetShapeType", "/index.php/logo2/GetShape" }) {
        m_harness.server().clearRequests();
        m_harness.server().setFault(route, standin::Fault::Http500);
        auto sheet = openSheet();
        ASSERT_TRUE(waitUntil([&] { return sheet->failView()->isVisible(); })) << route;
        EXPECT_FALSE(sheet->scrollArea()->isVisible()) << route;
        EXPECT_TRUE(sheet->cells().isEmpty()) << route;

        m_harness.server().clearFaults();
        userClick(sheet->failView()->retryButton());
        ASSERT_TRUE(waitUntil([&] { return sheet->cells().size() == 45; })) << route;
        EXPECT_FALSE(sheet->failView()->isVisible()) << route;
        EXPECT_TRUE(sheet->scrollArea()->isVisible()) << route;
        EXPECT_EQ(catalogueRequests().size(), 2u) << route;
    }
}

TEST_F(GraphicsSheetTest, AThumbnailThatFailsKeepsItsPlaceholder)
{
    const std::string base = m_harness.server().baseUrl();
    m_harness.server().setReply("/index.php/logo2/GetShape", 200,
        R"({"code":0,"data":{"item":{"images":[{"imageId":1,"url":"u","thumb":")" + base
            + R"(/static/missing.png"},{"imageId":2,"url":"u","thumb":"not a url"}]}}})");
    auto sheet = openSheet();
    ASSERT_TRUE(waitUntil([&] { return sheet->cells().size() == 2; }));
    ASSERT_TRUE(waitUntil([&] { return sheet->cells()[0]->hasRequestedThumbnail(); }));
    pumpEvents(300);
    for (ImageButtonForGraphicsAdd* cell : sheet->cells())
        EXPECT_FALSE(cell->hasThumbnail());
}

TEST_F(GraphicsSheetTest, ATapClosesThePanelBeforeItAddsTheGraphic)
{
    QStringList events;
    QObject context;
    subscribeEvent<EditGraphicsEvent::ShowGraphicsAddSheet>(
        &context, [&](const EditGraphicsEvent::ShowGraphicsAddSheet&) { events << QStringLiteral("show"); });
    subscribeEvent<EditGraphicsEvent::GraphicsAddEvent>(
        &context, [&](const EditGraphicsEvent::GraphicsAddEvent& e) { events << QStringLiteral("add ") + e.svgUrl; });
    auto sheet = openSheet();
    ASSERT_TRUE(waitUntil([&] { return !sheet->cells().isEmpty(); }));
    ImageButtonForGraphicsAdd* cell = sheet->cells().first();
    userClick(cell);
    EXPECT_EQ(events, QStringList({ "show", "add " + cell->model().url }));
    EXPECT_TRUE(cell->model().url.endsWith(QStringLiteral(".svg")));

    events.clear();
    userClick(sheet->closeButton());
    EXPECT_TRUE(events.isEmpty());
    EXPECT_TRUE(waitUntil([&] { return events == QStringList({ "show" }); }));
}

TEST(FontListTest, ASuccessfulListReplacesTheCatalogueAndAFailureKeepsIt)
{
    StandinHarness harness;
    using namespace FontUtils;
    globalFontModel() = ResourceFontListModel();
    QSignalSpy changed(&FontCatalogue::shared(), &FontCatalogue::catalogueChanged);
    requestRemoteFontList();
    ASSERT_TRUE(waitForSignals(changed));
    EXPECT_EQ(globalFontModel().data.size(), 6);
    EXPECT_EQ(harness.server().requestsTo("/logo2/GetRemoteFonts").size(), 1u);
    const ResourceFontListModel kept = globalFontModel();

    for (standin::Fault fault :
        { standin::Fault::Http500, standin::Fault::NotJson, standin::Fault::WrongTypes, standin::Fault::Drop }) {
        harness.server().setFault("/index.php/logo2/GetRemoteFonts", fault);
        const std::size_t before = harness.server().requests().size();
        requestRemoteFontList();
        ASSERT_TRUE(waitUntil([&] { return harness.server().requests().size() > before; }));
        pumpEvents(200);
        EXPECT_EQ(changed.count(), 1);
        EXPECT_EQ(globalFontModel().id, kept.id);
    }
}

} // namespace
