// The canvas page in Qt WebEngine: time from a Base64 design load to
// "svgLoadSuccess" for a typical and a large design, the 1024 × 1024 PNG
// export, and the editor's open (from the open to the design drawn), warm
// (over the open editor, and right after its window closed) and cold, each as a ratio to a floor measured in turn in
// the same run. The warm open's floor is a bare QWebEngineView, already shown, loading a page with the same design; the
// cold open's, in a fresh process like the editor's, is a new bare view loading the canvas page and then the same
// design through the page's own calls. The program takes the rendering path the application takes on this machine
// (QT_XCB_GL_INTEGRATION=xcb_glx keeps GL integration on). Runs offscreen unless QT_QPA_PLATFORM says otherwise (xcb
// under xvfb-run gives the figures a user sees).

#include "BenchMain.h"
#include "BenchSupport.h"
#include "app/EditLogoWindow.h"
#include "app/SoftwareRenderingPath.h"
#include "canvas/CanvasScripts.h"
#include "canvas/WebViewViewController.h"
#include "core/PageGarbageCollection.h"
#include "core/Paths.h"
#include "globals/AppGlobals.h"
#include "standin/StandinServer.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMainWindow>
#include <QProcess>
#include <QThread>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<WebViewViewController> g_controller;
QStringList g_messages;
QString g_programPath;
constexpr const char* coldEditorFlag = "--cold-editor-open";
constexpr const char* coldBareViewFlag = "--cold-bare-view";
constexpr const char* openedLine = "opened after ";

bool waitForMessage(const QString& name, int timeoutMs = 30000)
{
    g_messages.clear();
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (g_messages.contains(name))
            return true;
    }
    return false;
}

QString typicalDesign()
{
    return QStringLiteral(R"(<svg xmlns="http://www.w3.org/2000/svg" width="920" height="920" viewBox="0 0 920 920">)"
                          R"(<rect x="0" y="0" width="920" height="920" fill="#f1f3f5"/>)"
                          R"(<path d="M200 600 C 250 300, 450 300, 500 600 Z" fill="#d9480f"/>)"
                          R"(<circle cx="700" cy="250" r="120" fill="#1971c2"/>)"
                          R"(<rect x="120" y="120" width="160" height="90" rx="20" fill="#2f9e44"/>)"
                          R"(<text x="160" y="800" font-family="Mitr" font-size="96" fill="#212529">Tessaly</text>)"
                          R"(<text x="160" y="870" font-family="Mitr" font-size="40" fill="#495057">Logo studio</text>)"
                          R"(</svg>)");
}

QString largeDesign(int paths)
{
    QString svg = QStringLiteral(
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="1000" height="1000" viewBox="0 0 1000 1000">)");
    for (int i = 0; i < paths; ++i) {
        svg += QStringLiteral(R"(<path d="M%1 %2 c10 -20 30 -20 40 0 s-10 35 -20 35 z" fill="#%3"/>)")
                   .arg((i * 37) % 900)
                   .arg((i * 53) % 900)
                   .arg(QString::number((i * 2654435761u) & 0xFFFFFF, 16).rightJustified(6, QLatin1Char('0')));
    }
    return svg + QStringLiteral("</svg>");
}

void loadDesign(benchmark::State& state, const QString& svg)
{
    const QString base64 = QString::fromLatin1(svg.toUtf8().toBase64());
    for (auto _ : state) {
        g_controller->loadSvg(
            WebViewViewController::SvgEncoding::Base64, base64, WebViewViewController::nextDesignLoadToken());
        if (!waitForMessage(QStringLiteral("svgLoadSuccess"))) {
            state.SkipWithError("the design did not load");
            return;
        }
    }
}

void loadTypicalDesign(benchmark::State& state)
{
    loadDesign(state, typicalDesign());
}
void loadLargeDesign(benchmark::State& state)
{
    loadDesign(state, largeDesign(int(state.range(0))));
}

void exportPng1024(benchmark::State& state)
{
    g_controller->loadSvg(
        WebViewViewController::SvgEncoding::Text, typicalDesign(), WebViewViewController::nextDesignLoadToken());
    waitForMessage(QStringLiteral("svgLoadSuccess"));
    for (auto _ : state) {
        g_controller->evaluate(CanvasScripts::getLogoJpgPngBase64(QStringLiteral("Tessaly_0.png"), 0, 1024, 1024));
        if (!waitForMessage(QStringLiteral("imageBase64"))) {
            state.SkipWithError("no PNG came back");
            return;
        }
    }
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void reportAgainstFloor(benchmark::State& state, const std::vector<double>& measured, const std::vector<double>& floor)
{
    state.counters["median_ms"] = median(measured);
    state.counters["floor_ms"] = median(floor);
    state.counters["ratio"] = median(floor) > 0 ? median(measured) / median(floor) : 0;
}

// The floor: a bare view loading a page that shows the design.
QString bareDesignPage()
{
    return QStringLiteral("<html><body style='margin:0;background:#1e1e1e'>") + typicalDesign()
        + QStringLiteral("</body></html>");
}

// Loads the design page into `view`; milliseconds until it finished, or -1.
double bareViewLoad(QWebEngineView& view)
{
    bool finished = false;
    const QMetaObject::Connection connection
        = QObject::connect(&view, &QWebEngineView::loadFinished, [&](bool) { finished = true; });
    QElapsedTimer clock;
    clock.start();
    view.setHtml(bareDesignPage());
    QDeadlineTimer deadline(30000);
    while (!finished && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QObject::disconnect(connection);
    return finished ? double(clock.nsecsElapsed()) / 1e6 : -1;
}

// Opens the design in the editor window; milliseconds until it is drawn, or -1.
double editorOpen(qint64 itemId)
{
    bool drawn = false;
    const QMetaObject::Connection connection
        = QObject::connect(&sharedWebViewController(), &WebViewViewController::scriptMessageReceived,
            [&](const QString& name, const QString&) { drawn = drawn || name == QLatin1String("svgLoadSuccess"); });
    QElapsedTimer clock;
    clock.start();
    showEditLogoWindow(itemId, typicalDesign(), false);
    QDeadlineTimer deadline(30000);
    while (!drawn && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QObject::disconnect(connection);
    return drawn ? double(clock.nsecsElapsed()) / 1e6 : -1;
}

void editorOpenWarm(benchmark::State& state)
{
    QWebEngineView bare;
    bare.setFixedSize(460, 460);
    bare.show();
    // Both have opened once before the first measured round.
    if (bareViewLoad(bare) < 0 || editorOpen(1) < 0) {
        state.SkipWithError("the first open did not finish");
        return;
    }
    std::vector<double> measured;
    std::vector<double> floor;
    qint64 itemId = 2;
    const bool closedFirst = state.range(0) != 0;
    for (auto _ : state) {
        const double floorMs = bareViewLoad(bare);
        // The user's Close, at once followed by the next open: the page's
        // garbage collection on close is in the way of this open, if anything.
        if (closedFirst)
            editLogoWindow()->close();
        const double openMs = editorOpen(itemId++);
        if (floorMs < 0 || openMs < 0) {
            state.SkipWithError("an open did not finish");
            return;
        }
        state.SetIterationTime(openMs / 1000.0);
        measured.push_back(openMs);
        floor.push_back(floorMs);
    }
    reportAgainstFloor(state, measured, floor);
}

// A page whose messages arrive as console lines of their own: without the
// application's bridge, a stand-in for the page's message handlers writes
// each message's name there.
class MessageNamesPage : public QWebEnginePage {
public:
    explicit MessageNamesPage(QObject* parent)
        : QWebEnginePage(parent)
    {
        QWebEngineScript handlers;
        handlers.setName(QStringLiteral("messageNames"));
        handlers.setSourceCode(
            QStringLiteral("window.webkit = { messageHandlers: new Proxy({}, { get: function (target, name) {"
                           " return { postMessage: function () { console.info('%1' + String(name)); } }; } }) };")
                .arg(QLatin1String(prefix)));
        handlers.setInjectionPoint(QWebEngineScript::DocumentCreation);
        handlers.setWorldId(QWebEngineScript::MainWorld);
        handlers.setRunsOnSubFrames(false);
        scripts().insert(handlers);
    }

    bool received(const QString& name) const { return m_names.contains(name); }

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int, const QString&) override
    {
        if (message.startsWith(QLatin1String(prefix)))
            m_names << message.mid(qsizetype(std::strlen(prefix)));
    }

private:
    static constexpr const char* prefix = "page message: ";
    QStringList m_names;
};

// The cold open's floor: a new bare view, as large as the canvas and set up
// as the application sets up its own, loads the canvas page and then the same
// design through the calls the editor makes; milliseconds from before the
// view exists until the page says the design is drawn, or -1.
double bareCanvasOpen()
{
    QElapsedTimer clock;
    clock.start();
    QWebEngineView view;
    auto* page = new MessageNamesPage(&view);
    QWebEngineSettings* settings = page->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    page->setBackgroundColor(QColor(0x1E1E1E));
    view.setPage(page);
    view.setFixedSize(int(canvasWidth), int(canvasHeight));
    view.setContextMenuPolicy(Qt::NoContextMenu);
    view.show();
    bool loaded = false;
    QObject::connect(page, &QWebEnginePage::loadFinished, [&](bool ok) { loaded = ok; });
    view.load(QUrl::fromLocalFile(QDir(shareDirectory()).filePath(QStringLiteral("canvas/mobile-useApi.html"))));
    if (!runUntil([&] { return loaded; }))
        return -1;
    for (const QString& call : { CanvasScripts::pushLocalFont(QStringLiteral("[]")), CanvasScripts::canvasClear(false),
             CanvasScripts::setCanvasSize(int(canvasWidth), int(canvasHeight)),
             QStringLiteral("loadSvgString(") + CanvasScripts::jsq(typicalDesign()) + QStringLiteral(",1)") })
        page->runJavaScript(call);
    if (!runUntil([&] { return page->received(QStringLiteral("svgLoadSuccess")); }))
        return -1;
    return double(clock.nsecsElapsed()) / 1e6;
}

// Runs this program in one of its cold-open modes; the figure it printed, or -1.
double coldOpen(const char* flag)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(g_programPath, { QString::fromLatin1(flag) });
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return -1;
    const QByteArray output = process.readAllStandardOutput();
    const qsizetype at = output.indexOf(openedLine);
    if (at < 0)
        return -1;
    return output.mid(at + qsizetype(std::strlen(openedLine))).split(' ').value(0).toDouble();
}

void editorOpenCold(benchmark::State& state)
{
    std::vector<double> measured;
    std::vector<double> floor;
    std::vector<double> loads;
    std::size_t round = 0;
    for (auto _ : state) {
        loads.push_back(oneMinuteLoad());
        // In turn, the order rotating, so that neither always goes first.
        double floorMs = -1;
        double openMs = -1;
        if (round++ % 2 == 0) {
            floorMs = coldOpen(coldBareViewFlag);
            openMs = coldOpen(coldEditorFlag);
        } else {
            openMs = coldOpen(coldEditorFlag);
            floorMs = coldOpen(coldBareViewFlag);
        }
        if (floorMs < 0 || openMs < 0) {
            state.SkipWithError("a cold open did not finish");
            return;
        }
        state.SetIterationTime(openMs / 1000.0);
        measured.push_back(openMs);
        floor.push_back(floorMs);
    }
    reportAgainstFloor(state, measured, floor);
    state.counters["load"] = median(loads);
}

BENCHMARK(editorOpenWarm)
    ->ArgName("closedFirst")
    ->DenseRange(0, 1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(bench::iterations(20));
BENCHMARK(editorOpenCold)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(10));
BENCHMARK(loadTypicalDesign)->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(30));
BENCHMARK(loadLargeDesign)->Arg(300)->Arg(600)->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(10));
BENCHMARK(exportPng1024)->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(20));

// One cold open in a fresh process: prints "opened after N ms" and ends.
int runColdOpen(const char* flag)
{
    double elapsed = -1;
    if (std::strcmp(flag, coldEditorFlag) == 0)
        elapsed = editorOpen(1);
    else
        elapsed = bareCanvasOpen();
    std::printf("%s%.1f ms\n", openedLine, elapsed);
    std::fflush(stdout);
    return quitThroughEventLoop() == 0 && elapsed >= 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatformUnlessSet();
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox");
    // The editor asks the server for its background pictures.
    standin::StandinServer server;
    if (server.start(0) < 0)
        return 1;
    qputenv("TESSALY_API_BASE", QByteArray::fromStdString(server.apiBase()));
    qputenv("TESSALY_WEB_BASE", QByteArray::fromStdString(server.baseUrl()));
    SoftwareRenderingPath::applyBeforeApplication();
    PageGarbageCollection::exposeBeforeApplication();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    if (argc > 1 && (std::strcmp(argv[1], coldEditorFlag) == 0 || std::strcmp(argv[1], coldBareViewFlag) == 0))
        return runColdOpen(argv[1]);
    g_programPath = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();

    g_controller = std::make_unique<WebViewViewController>();
    bool ready = false;
    QObject::connect(g_controller.get(), &WebViewViewController::pageReady, &app, [&] { ready = true; });
    QObject::connect(g_controller.get(), &WebViewViewController::scriptMessageReceived, &app,
        [](const QString& name, const QString&) { g_messages << name; });
    g_controller->view()->show();
    QDeadlineTimer deadline(30000);
    while (!ready && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    if (!ready)
        return 1;

    benchmark::Initialize(&argc, argv);
    const int status = bench::runBenchmarks();
    g_controller.reset();
    return quitThroughEventLoop() == 0 ? status : 1;
}
