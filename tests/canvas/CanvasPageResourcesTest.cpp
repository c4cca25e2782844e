// The real canvas page with designs, fonts and graphics from outside:
// designs by URL, LoadFont, added graphics and background pictures.

#include "CanvasPageFixture.h"
#include "canvas/CanvasEvents.h"
#include "canvas/CanvasScripts.h"
#include "core/Configs.h"
#include "core/RxBus.h"
#include "support/TestFiles.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <httplib.h>
#include <thread>

namespace {

// A small loopback server for design files.
class DesignServer {
public:
    DesignServer()
    {
        m_server.Get("/design.svg", [](const httplib::Request&, httplib::Response& response) {
            response.set_content(sampleDesignSvg().toStdString(), "image/svg+xml");
        });
        // One request per connection, so stopping never waits on an idle one.
        m_server.set_keep_alive_max_count(1);
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
    }
    ~DesignServer()
    {
        m_server.stop();
        m_thread.join();
    }
    QString url(const char* path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(QLatin1String(path));
    }

private:
    httplib::Server m_server;
    int m_port = 0;
    std::thread m_thread;
};

class CanvasResourcesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(page().isReady());
        ASSERT_TRUE(page().loadSvg(sampleDesignSvg()));
    }
    static CanvasPage& page() { return CanvasPage::instance(); }
    static WebViewViewController& controller() { return page().controller(); }
    static QVariant js(const QString& expression) { return page().evaluate(expression); }
    static int objectCount() { return js(QStringLiteral("tessalyCanvas.getObjects().length")).toInt(); }
};

QByteArray smallPng(QColor colour = QColor(0x12, 0x34, 0x56))
{
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(colour);
    return pngBytes(picture);
}

QString shippedFontPath()
{
    return QStringLiteral(TESSALY_SOURCE_DIR "/resources/fonts/DejaVuSerif.ttf");
}

} // namespace

TEST_F(CanvasResourcesTest, designsLoadByUrlAndFailedDownloadsPostLoadSvgFail)
{
    DesignServer server;
    rx::DisposeBag bag;
    int failures = 0;
    subscribeEvent<EditLogoViewEvent::loadSvgFail>(bag, [&](const EditLogoViewEvent::loadSvgFail&) { ++failures; });

    controller().evaluate(QStringLiteral("canvasClear(false)"));
    page().settle();
    ASSERT_EQ(objectCount(), 0);
    std::size_t from = page().mark();
    controller().loadDesign(server.url("/design.svg"), WebViewViewController::nextDesignLoadToken());
    ASSERT_TRUE(page().waitFor(QStringLiteral("svgLoadSuccess"), from));
    EXPECT_EQ(objectCount(), 3);

    bool failureCalled = false;
    controller().loadDesign(
        server.url("/missing.svg"), WebViewViewController::nextDesignLoadToken(), [&] { failureCalled = true; });
    ASSERT_TRUE(waitUntil([&] { return failureCalled; }, 15000));
    EXPECT_EQ(failures, 1);
}

TEST_F(CanvasResourcesTest, aRelativeDesignAddressIsFetchedFromTheConfiguredWebHost)
{
    DesignServer server;
    const QString savedHost = Configs::Network::webHostRoot;
    Configs::Network::webHostRoot = server.url("");
    controller().evaluate(QStringLiteral("canvasClear(false)"));
    page().settle();
    const std::size_t from = page().mark();
    controller().loadDesign(QStringLiteral("/design.svg"), WebViewViewController::nextDesignLoadToken());
    const bool loaded = page().waitFor(QStringLiteral("svgLoadSuccess"), from, 5000).has_value();
    Configs::Network::webHostRoot = savedHost;
    ASSERT_TRUE(loaded);
    EXPECT_EQ(objectCount(), 3);
}

TEST_F(CanvasResourcesTest, aDesignDownloadThatEndsAfterALaterLoadIsDropped)
{
    DesignServer server;
    const std::size_t from = page().mark();
    const qint64 first = WebViewViewController::nextDesignLoadToken();
    controller().loadDesign(server.url("/design.svg"), first);
    // The next design is text: it reaches the page before the download ends.
    const qint64 second = WebViewViewController::nextDesignLoadToken();
    controller().loadDesign(QStringLiteral(R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">)"
                                           R"(<rect x="2" y="2" width="3" height="3" fill="#ff0000"/></svg>)"),
        second);
    ASSERT_TRUE(page().waitFor(QStringLiteral("svgLoadSuccess"), from));
    pumpEvents(1500);
    page().settle();
    const std::vector<PageMessage> loads = page().messagesSince(from, QStringLiteral("svgLoadSuccess"));
    ASSERT_EQ(loads.size(), 1u);
    EXPECT_EQ(loads[0].json().value(QStringLiteral("token")).toInteger(), second);
    EXPECT_EQ(objectCount(), 1);
}

TEST_F(CanvasResourcesTest, loadFontReportsSuccessForAFontFileAndFailureForAMissingOne)
{
    QTemporaryDir folder;
    // A path with a space and an apostrophe must survive the call and the file URL.
    const QString path = folder.filePath(QStringLiteral("Serif O'Font #1.ttf"));
    ASSERT_TRUE(QFile::copy(shippedFontPath(), path));

    rx::DisposeBag bag;
    std::vector<EditFontEvent::TextFontFamilyChangeEvent> changes;
    subscribeEvent<EditFontEvent::TextFontFamilyChangeEvent>(
        bag, [&](const EditFontEvent::TextFontFamilyChangeEvent& event) { changes.push_back(event); });

    std::size_t from = page().mark();
    controller().loadFont(QStringLiteral("Tessaly Serif"), path);
    const auto success = page().waitFor(QStringLiteral("loadFontSuccess"), from);
    ASSERT_TRUE(success);
    EXPECT_EQ(success->json().value(QStringLiteral("family")).toString(), QStringLiteral("Tessaly Serif"));
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_TRUE(changes[0].isLoadFont);
    EXPECT_TRUE(js(QStringLiteral("document.fonts.check('16px \"Tessaly Serif\"')")).toBool());

    from = page().mark();
    controller().loadFont(QStringLiteral("Nowhere"), folder.filePath(QStringLiteral("missing.ttf")));
    const auto failure = page().waitFor(QStringLiteral("loadFontFail"), from);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->json().value(QStringLiteral("family")).toString(), QStringLiteral("Nowhere"));
    EXPECT_TRUE(page().messagesSince(from, QStringLiteral("loadFontSuccess")).empty());
}

TEST_F(CanvasResourcesTest, pushedShippedFontsAreUsedByTheDesign)
{
    const QString fonts
        = QStringLiteral(R"([{"id":"1","fontFamily":"Mitr","fontType":"localttf","fontName":"Mitr","path":"%1"}])")
              .arg(shippedFontPath());
    controller().setLocalFontListProvider([fonts] { return fonts; });
    ASSERT_TRUE(page().loadSvg(sampleDesignSvg()));
    controller().setLocalFontListProvider({});
    EXPECT_TRUE(js(QStringLiteral("document.fonts.check('16px \"Mitr\"')")).toBool());
    EXPECT_EQ(
        js(QStringLiteral("Array.from(document.fonts).filter(f => f.family.replace(/\"/g, '') === 'Mitr')[0].status"))
            .toString(),
        QStringLiteral("loaded"));
}

TEST_F(CanvasResourcesTest, addedTextIsRemeasuredOnceItsFontArrives)
{
    // As in the editor: the new text's family is registered but not fetched yet.
    const QString monospace = QStringLiteral(TESSALY_SOURCE_DIR "/resources/fonts/DejaVuSansMono.ttf");
    js(QStringLiteral("(() => { [...document.fonts].filter(f => f.family.replace(/\"/g, '') === 'Mitr')"
                      ".forEach(f => document.fonts.delete(f)); fabric.cache.clearFontCache('Mitr');"
                      " document.fonts.add(new FontFace('Mitr', TessalyFonts.cssUrl(TessalyFonts.fontUrl('%1'))));"
                      " return true; })()")
            .arg(monospace));
    ASSERT_FALSE(js(QStringLiteral("document.fonts.check('48px \"Mitr\"')")).toBool());

    controller().evaluate(CanvasScripts::addText(QStringLiteral("Tessaly")));
    page().settle();
    ASSERT_TRUE(waitUntil([&] { return js(QStringLiteral("document.fonts.check('48px \"Mitr\"')")).toBool(); }));
    const auto drawnWidth = [&] { return js(QStringLiteral("tessalyCanvas.getActiveObject().width")).toDouble(); };
    const double inItsFont
        = js(QStringLiteral("(() => { fabric.cache.clearFontCache('Mitr');"
                            " return new fabric.IText('Tessaly', { fontFamily: 'Mitr', fontSize: 48 }).width; })()"))
              .toDouble();
    EXPECT_TRUE(waitUntil([&] { return std::abs(drawnWidth() - inItsFont) < 0.5; }))
        << drawnWidth() << " wide, " << inItsFont << " in its own font";
}

TEST_F(CanvasResourcesTest, addedGraphicsAreOneSelectedGroupOfAThirdOfTheCanvas)
{
    const QString graphic = QStringLiteral(
        R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 100 50"><rect width="100" height="20" fill="#2f9e44"/><circle cx="50" cy="35" r="15" fill="#e03131"/></svg>)");
    const std::size_t from = page().mark();
    controller().evaluate(CanvasScripts::addSvgBase64(QString::fromLatin1(graphic.toUtf8().toBase64())));
    ASSERT_TRUE(page().waitFor(QStringLiteral("clickCanvasPathItem"), from));
    page().settle();
    ASSERT_EQ(objectCount(), 4);
    EXPECT_EQ(js(QStringLiteral("tessalyCanvas.getActiveObject().type")).toString(), QStringLiteral("group"));
    EXPECT_NEAR(js(QStringLiteral("tessalyCanvas.getActiveObject().getScaledWidth()")).toDouble(), 460.0 / 3, 1.0);
    EXPECT_TRUE(js(QStringLiteral("tessalyHistory.canUndo()")).toBool());
}

// The page fetches nothing from outside: a linked picture is left out, and
// the rest of the design still opens.
TEST_F(CanvasResourcesTest, embeddedPicturesLoadAndLinkedOnesAreLeftOut)
{
    const QString svg = QStringLiteral(
        R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="100" height="100">)"
        R"(<rect x="10" y="10" width="20" height="20" fill="#00f"/>)"
        R"(<image x="40" y="40" width="50" height="50" xlink:href="data:image/png;base64,%1"/>)"
        R"(<image x="0" y="0" width="50" height="50" xlink:href="http://203.0.113.5/x.png"/></svg>)")
                            .arg(QString::fromLatin1(smallPng().toBase64()));
    ASSERT_TRUE(page().loadSvg(svg));
    EXPECT_EQ(js(QStringLiteral("JSON.stringify(tessalyCanvas.getObjects().map(o => o.type))")).toString(),
        QStringLiteral(R"(["rect","image"])"));

    // One left out is no first picture: the first that opens is the background when it covers the design.
    const QString covered = QStringLiteral(
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="100" height="100">)"
        R"(<image width="100" height="100" href="http://203.0.113.5/x.png"/>)"
        R"(<image width="100" height="100" preserveAspectRatio="none" href="data:image/png;base64,%1"/></svg>)")
                                .arg(QString::fromLatin1(smallPng().toBase64()));
    ASSERT_TRUE(page().loadSvg(covered));
    EXPECT_EQ(objectCount(), 0);
    EXPECT_TRUE(js(QStringLiteral("!!tessalyCanvas.backgroundImage")).toBool());
}

TEST_F(CanvasResourcesTest, backgroundPicturesCoverTheCanvasAndColoursReplaceThem)
{
    controller().evaluate(CanvasScripts::setCanvasBKGroundImage(QString::fromLatin1(smallPng().toBase64())));
    page().settle();
    ASSERT_TRUE(js(QStringLiteral("!!tessalyCanvas.backgroundImage")).toBool());
    EXPECT_NEAR(js(QStringLiteral("tessalyCanvas.backgroundImage.getScaledHeight()")).toDouble(), 460.0, 0.5);

    controller().evaluate(CanvasScripts::setCanvasBKGroundColor(0x0000FF));
    page().settle();
    EXPECT_FALSE(js(QStringLiteral("!!tessalyCanvas.backgroundImage")).toBool());
    EXPECT_EQ(js(QStringLiteral("tessalyCanvas.backgroundColor")).toString(), QStringLiteral("#0000ff"));
}

TEST_F(CanvasResourcesTest, aBackgroundPictureStaysTheBackgroundThroughSaveAndReload)
{
    ASSERT_TRUE(page().loadSvg(sampleDesignSvg()));
    const int objects = objectCount();
    const QString first = QString::fromLatin1(smallPng(Qt::red).toBase64());
    const QString second = QString::fromLatin1(smallPng(Qt::blue).toBase64());
    controller().evaluate(CanvasScripts::setCanvasBKGroundImage(first));
    page().settle();

    ASSERT_TRUE(page().loadSvg(page().savedSvg()));
    EXPECT_EQ(objectCount(), objects);
    EXPECT_TRUE(js(QStringLiteral("!!tessalyCanvas.backgroundImage")).toBool());

    controller().evaluate(CanvasScripts::setCanvasBKGroundImage(second));
    page().settle();
    const QString saved = page().savedSvg();
    EXPECT_EQ(saved.count(QLatin1String("<image")), 1);
    EXPECT_TRUE(saved.contains(second));
    EXPECT_FALSE(saved.contains(first));
}
