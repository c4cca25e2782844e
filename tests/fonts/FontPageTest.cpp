// Fonts and the export against the real canvas page.

#include "CjkRows.h"
#include "canvas/CanvasEvents.h"
#include "canvas/CanvasPageFixture.h"
#include "canvas/CanvasScripts.h"
#include "core/ExportFolder.h"
#include "core/RxBus.h"
#include "editor/EditorCanvasHandlers.h"
#include "editor/EditorEvents.h"
#include "fonts/ExportFlow.h"
#include "fonts/FontCatalogue.h"
#include "fonts/FontFiles.h"
#include "fonts/FontRegistrationQueue.h"
#include "fonts/FontTables.h"
#include "support/StandinHarness.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <condition_variable>
#include <gtest/gtest.h>
#include <httplib.h>
#include <mutex>
#include <set>
#include <thread>

namespace {

// Serves Debian's DejaVu files over loopback, as the font server does; the
// file held back is sent only once it is let go.
class FontServer {
public:
    FontServer()
    {
        m_server.set_default_headers({ { "Access-Control-Allow-Origin", "*" } });
        m_server.Get(R"(/([A-Za-z-]+\.ttf))", [this](const httplib::Request& request, httplib::Response& response) {
            const std::string file = request.matches[1];
            {
                std::unique_lock lock(m_mutex);
                m_asked.insert(file);
                m_letGo.wait(lock, [&] { return m_held != file; });
            }
            QFile font(QStringLiteral("/usr/share/fonts/truetype/dejavu/") + QString::fromStdString(file));
            if (!font.open(QIODevice::ReadOnly)) {
                response.status = 404;
                return;
            }
            const QByteArray bytes = font.readAll();
            response.set_content(bytes.constData(), static_cast<std::size_t>(bytes.size()), "font/ttf");
        });
        m_server.set_keep_alive_max_count(1);
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
    }
    ~FontServer()
    {
        letGo();
        m_server.stop();
        m_thread.join();
    }
    QString url(const char* file) const { return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_port).arg(file); }
    void hold(const char* file)
    {
        std::lock_guard lock(m_mutex);
        m_held = file;
    }
    void letGo()
    {
        {
            std::lock_guard lock(m_mutex);
            m_held.clear();
        }
        m_letGo.notify_all();
    }
    bool asked(const char* file)
    {
        std::lock_guard lock(m_mutex);
        return m_asked.count(file) > 0;
    }

private:
    httplib::Server m_server;
    int m_port = 0;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_letGo;
    std::string m_held;
    std::set<std::string> m_asked;
};

class FontPageTest : public ::testing::Test {
protected:
    // As in the application: every installed font is registered before the
    // page exists, and the page goes before other suites register theirs.
    static void SetUpTestSuite()
    {
        FontUtils::registerLocalCJKFonts();
        FontRegistrationQueue::finishNow();
    }
    static void TearDownTestSuite() { CanvasPage::release(); }

    void SetUp() override
    {
        ASSERT_TRUE(page().isReady()) << "the canvas page never posted pageReady";
        ASSERT_TRUE(page().loadSvg(sampleDesignSvg()));
        m_text = js(QStringLiteral("tessalyCanvas.getObjects().findIndex(o => o.type === 'i-text')")).toInt();
        page().select(m_text);
        page().settle();
    }

    static CanvasPage& page() { return CanvasPage::instance(); }
    static QVariant js(const QString& expression) { return page().evaluate(expression); }
    double textWidth() { return textProperty(m_text, "width").toDouble(); }
    static QVariant textProperty(int index, const char* name)
    {
        return js(QStringLiteral("tessalyCanvas.getObjects()[%1].%2").arg(index).arg(QLatin1String(name)));
    }
    // A second text like the design's, selected; its index.
    int copyOfTheText()
    {
        page().controller().evaluate(CanvasScripts::copyItem());
        page().settle();
        return js(QStringLiteral("tessalyCanvas.getObjects().length - 1")).toInt();
    }
    QString textFamily()
    {
        return js(QStringLiteral("tessalyCanvas.getObjects()[%1].fontFamily").arg(m_text)).toString();
    }
    // Asks the page to load `location` under `family` for the catalogue row
    // `row`; the name of its answer.
    QString loadFont(const QString& family, const QString& location, const QString& row = {})
    {
        const std::size_t from = page().mark();
        page().controller().loadFont(family, location, FontFaceStyle::ofRow(row, family), row);
        for (int i = 0; i < 200; ++i) {
            if (!page().messagesSince(from, QStringLiteral("loadFontSuccess")).empty())
                return QStringLiteral("loadFontSuccess");
            if (!page().messagesSince(from, QStringLiteral("loadFontFail")).empty())
                return QStringLiteral("loadFontFail");
            pumpEvents(50);
        }
        return {};
    }

    // The design's text, set to `text` in `family`, as the page draws it once
    // the family's faces for `text` have been fetched.
    QString drawnText(const QString& text, const QString& family)
    {
        js(QStringLiteral("window.__fetched = false; document.fonts.load('40px \"%1\"', '%2')"
                          ".finally(() => { window.__fetched = true; }); 0")
                .arg(family, text));
        EXPECT_TRUE(waitUntil([] { return js(QStringLiteral("window.__fetched === true")).toBool(); }));
        return js(QStringLiteral("(() => { const o = tessalyCanvas.getObjects()[%1]; fabric.cache.clearFontCache('%3');"
                                 " o.set({ text: '%2', fontFamily: '%3' }); return o.toDataURL({}); })()")
                      .arg(m_text)
                      .arg(text, family))
            .toString();
    }

    // What every design load hands the page: the installed Latin rows, each
    // as the web font of its family.
    static void pushShippedFonts()
    {
        page().controller().evaluate(CanvasScripts::pushLocalFont(FontUtils::localFontListJsonForWebView()));
        page().settle();
    }

    int m_text = -1;
};

// What the system's fontconfig lists for `family`: empty when no installed
// font has it, so that only a file the application registers can draw it.
QString systemFontsOf(const QString& family)
{
    QProcess fcList;
    fcList.start(QStringLiteral("fc-list"), { family, QStringLiteral("file") });
    if (!fcList.waitForFinished() || fcList.exitCode() != 0)
        return QStringLiteral("fc-list did not run");
    return QString::fromUtf8(fcList.readAllStandardOutput()).trimmed();
}

TEST_F(FontPageTest, AnInstalledFontLoadsAndChangesTheText)
{
    const QString lato = FontUtils::registerLocalFontReturningPath(QStringLiteral("Lato"));
    ASSERT_FALSE(lato.isEmpty()) << "the npm font packages are not installed (scripts/setup)";
    const double before = textWidth();
    ASSERT_EQ(loadFont(QStringLiteral("Lato"), lato), QStringLiteral("loadFontSuccess"));
    page().controller().evaluate(CanvasScripts::setTextFontFamily(QStringLiteral("Lato")));
    page().settle();
    EXPECT_TRUE(waitUntil([&] { return textFamily() == QLatin1String("Lato") && textWidth() != before; }));

    // The latin file brings its latin-ext sibling as a second face of the family.
    EXPECT_TRUE(waitUntil([&] {
        return js(QStringLiteral("[...document.fonts].filter(f => f.family.replace(/\"/g, '') === 'Lato'"
                                 " && f.status === 'loaded').length"))
                   .toInt()
            == 2;
    }));
}

// Each family draws every sample as its own file does and unlike the
// fallback. Black Han Sans has a Latin row, which every design load hands the
// page as the family's web font, and a Korean row: Latin and Hangul alike.
TEST_F(FontPageTest, InstalledFamiliesDrawEveryScriptAsTheirOwnFileDoes)
{
    pushShippedFonts();
    const QString japanese = QStringLiteral("\u65E5\u672C\u8A9E\u306E\u6587\u5B57"); // 日本語の文字
    const QString korean = QStringLiteral("\uD55C\uAE00 \uB85C\uACE0 \uB514\uC790\uC778"); // 한글 로고 디자인
    const QString latin = QStringLiteral("Tessaly Logo");
    struct Case {
        const char* stem;
        QStringList samples;
    };
    for (const Case& c : { Case { "ZenKurenaido", { japanese } }, Case { "Kosugi", { japanese } },
             Case { "BlackHanSans", { latin, korean } } }) {
        const std::optional<RegisteredFontFile> font = registerInstalledFont(cjkRow(QLatin1String(c.stem)));
        ASSERT_TRUE(font.has_value()) << c.stem << " (run scripts/setup)";
        EXPECT_EQ(systemFontsOf(font->family), QString()) << c.stem;
        const QString ownFile = QStringLiteral("Tessaly Own File ") + QLatin1String(c.stem);
        ASSERT_EQ(loadFont(ownFile, font->path), QStringLiteral("loadFontSuccess")) << c.stem;
        for (const QString& sample : c.samples) {
            const QString drawn = drawnText(sample, font->family);
            EXPECT_TRUE(drawn == drawnText(sample, ownFile)) << c.stem << " " << sample.toStdString();
            EXPECT_FALSE(drawn == drawnText(sample, QStringLiteral("Tessaly No Such Family")))
                << c.stem << " " << sample.toStdString() << " drew with the fallback font";
        }
    }
}

// 骨 has another form in Japanese. The Latin-list row reaches the page as
// its family's web font, the CJK-list row under the family its registration
// reports; Debian's own faces of the collection are the yardstick.
TEST_F(FontPageTest, BothSimplifiedChineseRowsDrawTheSimplifiedChineseFace)
{
    pushShippedFonts();
    const QString bone = QStringLiteral("\u9AA8");
    const QString simplified = drawnText(bone, QStringLiteral("Noto Sans CJK SC"));
    ASSERT_FALSE(simplified == drawnText(bone, QStringLiteral("Noto Sans CJK JP")))
        << "Debian's Noto Sans CJK is missing";
    const std::optional<RegisteredFontFile> cjkListRow
        = registerInstalledFont(cjkRow(QStringLiteral("Source Han Sans")));
    ASSERT_TRUE(cjkListRow.has_value()) << "run scripts/setup";
    for (const QString& family : { QStringLiteral("SourceHanSansCN"), cjkListRow->family })
        EXPECT_TRUE(drawnText(bone, family) == simplified) << family.toStdString() << " drew another face";
}

TEST_F(FontPageTest, AServerFontLoadsFromItsUrlAndAFailureIsPosted)
{
    StandinHarness harness;
    const QString base = QString::fromStdString(harness.server().baseUrl());
    EXPECT_EQ(loadFont(QStringLiteral("Server Mono"), base + QStringLiteral("/static/fonts/DejaVuSansMono.ttf")),
        QStringLiteral("loadFontSuccess"));

    rx::DisposeBag bag;
    std::vector<EditFontEvent::TextFontFamilyDownloadFailEvent> failures;
    subscribeEvent<EditFontEvent::TextFontFamilyDownloadFailEvent>(
        bag, [&](const auto& event) { failures.push_back(event); });
    harness.server().setFault("/static/fonts/DejaVuSerif-Bold.ttf", standin::Fault::Http500);
    EXPECT_EQ(loadFont(QStringLiteral("Broken Serif"), base + QStringLiteral("/static/fonts/DejaVuSerif-Bold.ttf"),
                  QStringLiteral("DejaVu Serif Bold")),
        QStringLiteral("loadFontFail"));
    EXPECT_EQ(loadFont(QStringLiteral("Empty"), QString()), QStringLiteral("loadFontFail"));
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_EQ(failures[0].family, QStringLiteral("Broken Serif"));
    EXPECT_EQ(failures[0].fontName, QStringLiteral("DejaVu Serif Bold"));
    EXPECT_TRUE(failures[1].fontName.isEmpty());
}

// The font server sends a font only once the user has gone on: selected
// another text and picked a font for it, picked another for the same text,
// or loaded the design again; or never.
TEST_F(FontPageTest, AFontThatLoadsLateGoesToTheTextItWasPickedForUnlessALaterPickForItCameFirst)
{
    FontServer server;
    server.hold("DejaVuSerif.ttf");
    EditorCanvasHandlers handlers(&page().controller(), nullptr);
    const auto pick = [&server](const char* family, const char* file) {
        RxBus::shared().post(EditFontEvent::TextFontFamilyDownloadEvent { family, family, server.url(file) });
    };
    const auto familyOf = [](int text) { return textProperty(text, "fontFamily").toString(); };
    const int picked = m_text;
    const int other = copyOfTheText();
    page().select(picked);
    pick("Late Serif", "DejaVuSerif.ttf");
    ASSERT_TRUE(waitUntil([&] { return server.asked("DejaVuSerif.ttf"); }));
    page().select(other);
    pick("Quick Serif", "DejaVuSerif-Bold.ttf");
    ASSERT_TRUE(waitUntil([&] { return familyOf(other) == "Quick Serif"; }));
    server.letGo();
    EXPECT_TRUE(waitUntil([&] { return familyOf(picked) == "Late Serif"; }));
    page().settle();
    EXPECT_EQ(familyOf(other), QStringLiteral("Quick Serif"));

    server.hold("DejaVuSansMono.ttf");
    const std::size_t from = page().mark();
    pick("Late Mono", "DejaVuSansMono.ttf");
    ASSERT_TRUE(waitUntil([&] { return server.asked("DejaVuSansMono.ttf"); }));
    pick("Late Serif", "DejaVuSerif.ttf");
    ASSERT_TRUE(waitUntil([&] { return familyOf(other) == "Late Serif"; }));
    server.letGo();
    ASSERT_TRUE(waitUntil([&] {
        const std::vector<PageMessage> loaded = page().messagesSince(from, QStringLiteral("loadFontSuccess"));
        return std::any_of(loaded.begin(), loaded.end(),
            [](const PageMessage& m) { return m.json().value(QStringLiteral("family")).toString() == "Late Mono"; });
    }));
    page().settle();
    EXPECT_EQ(familyOf(other), QStringLiteral("Late Serif"));

    // A pick for the title of a saved design that is then loaded again, its
    // texts with the same ids: the row stops spinning, and when the font
    // comes, the title keeps its family and face and there is nothing to undo.
    ASSERT_TRUE(page().loadSvg(sampleDesignSvg()));
    const QString saved = page().savedSvg();
    ASSERT_TRUE(page().loadSvg(saved));
    const int title = js(QStringLiteral("tessalyCanvas.getObjects().findIndex(o => o.text === 'Tessaly')")).toInt();
    rx::DisposeBag bag;
    QStringList ended;
    subscribeEvent<EditFontEvent::TextFontFamilyDownloadForgottenEvent>(
        bag, [&](const auto& event) { ended << event.fontName; });
    subscribeEvent<EditFontEvent::TextFontFamilyDownloadFailEvent>(
        bag, [&](const auto& event) { ended << event.fontName; });
    const auto pageLoaded = [](std::size_t mark, const QString& family) {
        const std::vector<PageMessage> loaded = page().messagesSince(mark, QStringLiteral("loadFontSuccess"));
        return std::any_of(loaded.begin(), loaded.end(),
            [&](const PageMessage& m) { return m.json().value(QStringLiteral("family")).toString() == family; });
    };
    server.hold("DejaVuSans-Bold.ttf");
    page().select(title);
    RxBus::shared().post(EditFontEvent::TextFontFamilyDownloadEvent {
        "Late Sans", "Late Sans Bold", server.url("DejaVuSans-Bold.ttf") });
    ASSERT_TRUE(waitUntil([&] { return server.asked("DejaVuSans-Bold.ttf"); }));
    ASSERT_TRUE(page().loadSvg(saved));
    EXPECT_EQ(ended.join(QLatin1Char(',')).toStdString(), "Late Sans Bold");
    std::size_t since = page().mark();
    server.letGo();
    ASSERT_TRUE(waitUntil([&] { return pageLoaded(since, QStringLiteral("Late Sans")); }));
    page().settle();
    EXPECT_EQ(familyOf(title), QStringLiteral("Mitr"));
    EXPECT_EQ(textProperty(title, "fontWeight").toString(), QStringLiteral("normal"));
    EXPECT_FALSE(js(QStringLiteral("tessalyHistory.canUndo()")).toBool());
    for (const PageMessage& state : page().messagesSince(since, QStringLiteral("undoRedoState")))
        EXPECT_FALSE(state.json().value(QStringLiteral("canUndo")).toBool()) << "Undo lit";

    // A font that does not come in time ends as a failed load, and changes
    // nothing when it comes after all.
    WebViewViewController& controller = page().controller();
    const auto deadline = controller.fontLoadTimeout();
    const auto restoreDeadline = qScopeGuard([&] { controller.setFontLoadTimeout(deadline); });
    controller.setFontLoadTimeout(std::chrono::milliseconds(200));
    server.hold("DejaVuSansMono-Bold.ttf");
    ended.clear();
    page().select(title);
    RxBus::shared().post(EditFontEvent::TextFontFamilyDownloadEvent {
        "Never Mono", "Never Mono Bold", server.url("DejaVuSansMono-Bold.ttf") });
    ASSERT_TRUE(waitUntil([&] { return !ended.empty(); }));
    EXPECT_EQ(ended.join(QLatin1Char(',')).toStdString(), "Never Mono Bold");
    since = page().mark();
    server.letGo();
    ASSERT_TRUE(waitUntil([&] { return pageLoaded(since, QStringLiteral("Never Mono")); }));
    page().settle();
    EXPECT_EQ(familyOf(title), QStringLiteral("Mitr"));
    EXPECT_EQ(ended.size(), 1);
}

// Two texts of the design in a family the system has, and no test registers
// a copy of: its bold row for one, then its plain row for the other.
TEST_F(FontPageTest, ABoldRowDrawsAndSavesItsTextBoldAndLeavesTheFamilysRegularTextRegular)
{
    ASSERT_TRUE(page().loadSvg(sampleDesignSvg().replace(QStringLiteral("Mitr"), QStringLiteral("DejaVu Sans Mono"))));
    FontServer server;
    EditorCanvasHandlers handlers(&page().controller(), nullptr);
    const auto drawn = [](int text) {
        return js(QStringLiteral("tessalyCanvas.getObjects()[%1].toDataURL({})").arg(text)).toString();
    };
    const int bold = m_text;
    page().select(bold);
    const int regular = copyOfTheText();
    const QString regularDrawing = drawn(regular);

    page().select(bold);
    RxBus::shared().post(EditFontEvent::TextFontFamilyDownloadEvent {
        "DejaVu Sans Mono", "DejaVu Sans Mono Bold", server.url("DejaVuSansMono-Bold.ttf") });
    ASSERT_TRUE(waitUntil([&] { return textProperty(bold, "fontWeight").toString() == "bold"; }));
    page().settle();
    const QString boldDrawing = drawn(bold);
    EXPECT_NE(boldDrawing, regularDrawing);
    EXPECT_EQ(drawn(regular), regularDrawing) << "the regular text drew bold";

    page().select(regular);
    const std::size_t from = page().mark();
    RxBus::shared().post(EditFontEvent::TextFontFamilyDownloadEvent {
        "DejaVu Sans Mono", "DejaVu Sans Mono", server.url("DejaVuSansMono.ttf") });
    ASSERT_TRUE(page().waitFor(QStringLiteral("loadFontSuccess"), from));
    page().settle();
    EXPECT_EQ(drawn(regular), regularDrawing);
    EXPECT_EQ(drawn(bold), boldDrawing) << "the bold text drew regular";
    EXPECT_EQ(page().savedSvg().count(QStringLiteral("font-weight=\"bold\"")), 1);
}

TEST_F(FontPageTest, TheExportWritesTheDesignAsSvgAndA1024Png)
{
    QTemporaryDir home;
    const QByteArray previous = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    setExportFolderOpener([](const QString&) {});

    ExportFlow flow([](const QString& script) { page().controller().evaluate(script); });
    QSignalSpy finished(&flow, &ExportFlow::finished);
    flow.start();
    ASSERT_TRUE(waitForSignals(finished, 1, 15000));
    EXPECT_TRUE(finished.first().at(0).toBool());

    const QDir tessaly(QDir(home.path()).filePath(QStringLiteral("Documents/Tessaly")));
    const QStringList svgs = QDir(tessaly.filePath(QStringLiteral("SVG"))).entryList(QDir::Files);
    const QStringList pngs = QDir(tessaly.filePath(QStringLiteral("PNG"))).entryList(QDir::Files);
    ASSERT_EQ(svgs.size(), 1);
    ASSERT_EQ(pngs.size(), 1);
    QFile svgFile(tessaly.filePath(QStringLiteral("SVG/") + svgs.first()));
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QByteArray svg = svgFile.readAll();
    EXPECT_TRUE(QSvgRenderer(svg).isValid());
    EXPECT_TRUE(svg.contains("Tessaly"));
    const QImage png(tessaly.filePath(QStringLiteral("PNG/") + pngs.first()));
    EXPECT_EQ(png.size(), QSize(1024, 1024));
    qputenv("HOME", previous);
}

} // namespace
