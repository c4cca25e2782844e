// Grabs each page into a PNG for a person to look at. Runs only when
// TESSALY_SCREENSHOT_DIR names a folder.

#include "DiscoveryFixture.h"
#include "discovery/DiscoverItemView.h"
#include "discovery/DiscoveryController.h"
#include "discovery/DiscoveryView.h"
#include "discovery/LogoDetailView.h"
#include "discovery/MyDesignItems.h"
#include "discovery/MyDesignView.h"
#include "discovery/TemplateGridView.h"
#include "discovery/ThumbnailCache.h"

#include <QTest>

class PageScreenshotTest : public DiscoveryFixture {
protected:
    void SetUp() override
    {
        m_folder = qEnvironmentVariable("TESSALY_SCREENSHOT_DIR");
        if (m_folder.isEmpty())
            GTEST_SKIP() << "set TESSALY_SCREENSHOT_DIR to grab the pages";
        DiscoveryFixture::SetUp();
    }

    void save(QWidget& widget, const QString& name)
    {
        pumpEvents(300);
        EXPECT_TRUE(widget.grab().save(QDir(m_folder).filePath(name + QStringLiteral(".png"))));
    }

private:
    QString m_folder;
};

TEST_F(PageScreenshotTest, DiscoveryAndDetail)
{
    DiscoveryView view;
    view.show();
    ASSERT_TRUE(waitUntil([&] { return view.thumbnails()->cachedCount() >= 12; }, 10000));
    QTest::mouseMove(view.grid()->viewport(), view.grid()->cardRect(5).center());
    save(view, QStringLiteral("discovery-grid"));

    view.openTemplate(0);
    ASSERT_TRUE(waitForRequests("/index.php/Get_details_list", 1));
    pumpEvents(1500);
    save(view, QStringLiteral("discovery-detail"));

    server().setFault("/index.php/Get_discorys_list", standin::Fault::Http500);
    view.closeDetail();
    view.controller()->loadTemplates();
    ASSERT_TRUE(waitUntil([&] { return view.isLoadingSvgFail(); }));
    save(view, QStringLiteral("discovery-failure"));

    server().clearFaults();
    server().setFault("/index.php/Get_details_list", standin::Fault::Http500);
    view.controller()->loadTemplates();
    ASSERT_TRUE(waitUntil([&] { return !view.isLoadingSvgFail(); }));
    view.openTemplate(1);
    ASSERT_TRUE(waitUntil([&] { return view.detailView()->isLoadingSvgFail(); }));
    save(view, QStringLiteral("discovery-detail-failure"));
}

TEST_F(PageScreenshotTest, MyDesign)
{
    const std::string list = server().baseUrl();
    server().setReply("/index.php/logo2/Get_design_list", 200,
        R"({"status":0,"data":{"items":[
        {"id":"1","title":"Harbor Coffee","desc":"A warm roastery mark with a long description","img":")"
            + list + R"(/static/templates/3/image.webp","ver":"v1","svg":"<svg/>"},
        {"id":"2","title":"Summit","desc":"Outdoor","img":")"
            + list + R"(/static/templates/4/image.webp","ver":"v2"},
        {"id":"3","title":"Nova","desc":"Studio","img":")"
            + list + R"(/static/templates/5/image.webp","ver":"v2"},
        {"id":"4","title":"Pine","desc":"Cabins","img":")"
            + list + R"(/static/templates/6/image.webp","ver":"v2"},
        {"id":"5","title":"Tide","desc":"Surf","img":")"
            + list + R"(/static/templates/7/image.webp","ver":"v2"}]}})");
    MyDesignView view;
    view.show();
    ASSERT_TRUE(waitUntil([&] { return view.items().size() == 5; }));
    view.tile(1)->toggleSelect();
    QEnterEvent enter(QPointF(50, 50), QPointF(50, 50), QPointF(50, 50));
    QCoreApplication::sendEvent(view.tile(0), &enter);
    pumpEvents(1500);
    save(view, QStringLiteral("mydesign-grid"));

    view.openDesignDetail(view.items().at(0));
    pumpEvents(1500);
    save(view, QStringLiteral("mydesign-detail"));

    server().setReply("/index.php/logo2/Get_design_list", 200, R"({"status":0,"data":{"items":[]}})");
    view.reloadDesignList();
    pumpEvents(300);
    save(view, QStringLiteral("mydesign-empty"));

    server().setFault("/index.php/logo2/Get_design_list", standin::Fault::Http500);
    view.reloadDesignList();
    ASSERT_TRUE(waitUntil([&] { return view.isLoadingSvgFail(); }));
    save(view, QStringLiteral("mydesign-failure"));
}

TEST_F(PageScreenshotTest, DesignCard)
{
    QWidget frame;
    frame.setStyleSheet(QStringLiteral("background: white;"));
    frame.resize(200, 240);
    auto* card = new DiscoverItemView(
        QString::fromStdString(server().baseUrl() + "/static/templates/2/image.webp"), QStringLiteral("Golden Finance"),
        QStringLiteral("Badge finance logo"), true, [] {}, [] {}, &frame);
    card->move(16, 8);
    frame.show();
    pumpEvents(1000);
    save(frame, QStringLiteral("design-card"));
}
