// Grabs Discovery, its detail page, My Design and a design card, each also
// in its failure state, against an in-process stand-in server, into PNG
// files for a person to look at:
//
//   build/bin/page_shots FOLDER

#include "discovery/DiscoverItemView.h"
#include "discovery/DiscoveryController.h"
#include "discovery/DiscoveryView.h"
#include "discovery/LogoDetailView.h"
#include "discovery/MyDesignItems.h"
#include "discovery/MyDesignView.h"
#include "discovery/TemplateGridView.h"
#include "discovery/ThumbnailCache.h"
#include "support/StandinHarness.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <stdexcept>

namespace {

QString folder;

void save(QWidget& widget, const QString& name)
{
    pumpEvents(300);
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!widget.grab().save(path))
        throw std::runtime_error("cannot write " + path.toStdString());
    std::printf("%s\n", qPrintable(path));
}

void require(bool held, const char* what)
{
    if (!held)
        throw std::runtime_error(std::string("timed out waiting for ") + what);
}

void discoveryAndDetail(standin::StandinServer& server)
{
    DiscoveryView view;
    view.show();
    require(waitUntil([&] { return view.thumbnails()->cachedCount() >= 12; }, 10000), "the thumbnails");
    QTest::mouseMove(view.grid()->viewport(), view.grid()->cardRect(5).center());
    save(view, QStringLiteral("discovery-grid"));

    view.openTemplate(0);
    require(waitUntil([&] { return !server.requestsTo("/index.php/Get_details_list").empty(); }), "the detail page");
    pumpEvents(1500);
    save(view, QStringLiteral("discovery-detail"));

    server.setFault("/index.php/Get_discorys_list", standin::Fault::Http500);
    view.closeDetail();
    view.controller()->loadTemplates();
    require(waitUntil([&] { return view.isLoadingSvgFail(); }), "the failure view");
    save(view, QStringLiteral("discovery-failure"));

    server.clearFaults();
    server.setFault("/index.php/Get_details_list", standin::Fault::Http500);
    view.controller()->loadTemplates();
    require(waitUntil([&] { return !view.isLoadingSvgFail(); }), "the grid");
    view.openTemplate(1);
    require(waitUntil([&] { return view.detailView()->isLoadingSvgFail(); }), "the detail page's failure view");
    save(view, QStringLiteral("discovery-detail-failure"));
    server.clearFaults();
}

void myDesign(standin::StandinServer& server)
{
    const std::string base = server.baseUrl();
    server.setReply("/index.php/logo2/Get_design_list", 200,
        R"({"status":0,"data":{"items":[
        {"id":"1","title":"Harbor Coffee","desc":"A warm roastery mark with a long description","img":")"
            + base + R"(/static/templates/3/image.webp","ver":"v1","svg":"<svg/>"},
        {"id":"2","title":"Summit","desc":"Outdoor","img":")"
            + base + R"(/static/templates/4/image.webp","ver":"v2"},
        {"id":"3","title":"Nova","desc":"Studio","img":")"
            + base + R"(/static/templates/5/image.webp","ver":"v2"},
        {"id":"4","title":"Pine","desc":"Cabins","img":")"
            + base + R"(/static/templates/6/image.webp","ver":"v2"},
        {"id":"5","title":"Tide","desc":"Surf","img":")"
            + base + R"(/static/templates/7/image.webp","ver":"v2"}]}})");
    MyDesignView view;
    view.show();
    require(waitUntil([&] { return view.items().size() == 5; }), "My Design's list");
    view.tile(1)->toggleSelect();
    QEnterEvent enter(QPointF(50, 50), QPointF(50, 50), QPointF(50, 50));
    QCoreApplication::sendEvent(view.tile(0), &enter);
    pumpEvents(1500);
    save(view, QStringLiteral("mydesign-grid"));

    view.openDesignDetail(view.items().at(0));
    pumpEvents(1500);
    save(view, QStringLiteral("mydesign-detail"));

    server.setReply("/index.php/logo2/Get_design_list", 200, R"({"status":0,"data":{"items":[]}})");
    view.reloadDesignList();
    save(view, QStringLiteral("mydesign-empty"));

    server.setFault("/index.php/logo2/Get_design_list", standin::Fault::Http500);
    view.reloadDesignList();
    require(waitUntil([&] { return view.isLoadingSvgFail(); }), "My Design's failure view");
    save(view, QStringLiteral("mydesign-failure"));
}

void designCard(standin::StandinServer& server)
{
    QWidget frame;
    frame.setStyleSheet(QStringLiteral("background: white;"));
    frame.resize(200, 240);
    auto* card = new DiscoverItemView(
        QString::fromStdString(server.baseUrl() + "/static/templates/2/image.webp"), QStringLiteral("Golden Finance"),
        QStringLiteral("Badge finance logo"), true, [] {}, [] {}, &frame);
    card->move(16, 8);
    frame.show();
    pumpEvents(1000);
    save(frame, QStringLiteral("design-card"));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings and caches written here stay out of the user's home.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: page_shots FOLDER\n");
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "page_shots: cannot create %s\n", argv[1]);
        return 1;
    }
    try {
        StandinHarness harness;
        discoveryAndDetail(harness.server());
        myDesign(harness.server());
        designCard(harness.server());
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "page_shots: %s\n", failure.what());
        return 1;
    }
    return 0;
}
