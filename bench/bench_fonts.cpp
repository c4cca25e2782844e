// Fonts, graphics and export: registering the installed fonts, a font click
// up to the page's answer, the export's two files, and filling the graphics
// grid. Each figure is read against the page's own round trip (a call that
// only answers) measured in the same run. Run under QT_QPA_PLATFORM=offscreen.

#include "BenchMain.h"
#include "BenchSupport.h"
#include "canvas/CanvasScripts.h"
#include "canvas/WebViewViewController.h"
#include "core/Configs.h"
#include "core/ExportFolder.h"
#include "fonts/ExportFlow.h"
#include "fonts/FontCatalogue.h"
#include "fonts/FontFiles.h"
#include "fonts/FontRegistrationQueue.h"
#include "fonts/GraphicsAddSheet.h"
#include "standin/StandinServer.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<WebViewViewController> g_controller;
std::unique_ptr<standin::StandinServer> g_standin;
QStringList g_messages;
int g_serial = 0;

bool waitFor(const std::function<bool()>& done, int timeoutMs = 30000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
        if (done())
            return true;
    }
    return false;
}

bool waitForMessage(const QString& name)
{
    return waitFor([&] { return g_messages.contains(name); });
}

// The canvas page with a text selected, made on first use. As in the
// application, the page draws text only once start-up's font registration is
// done: the font database must not change while the web engine matches fonts
// on its own threads.
WebViewViewController& page()
{
    if (g_controller)
        return *g_controller;
    g_controller = std::make_unique<WebViewViewController>();
    bool ready = false;
    const QMetaObject::Connection readiness
        = QObject::connect(g_controller.get(), &WebViewViewController::pageReady, [&ready] { ready = true; });
    QObject::connect(g_controller.get(), &WebViewViewController::scriptMessageReceived, g_controller.get(),
        [](const QString& name, const QString&) { g_messages << name; });
    g_controller->view()->show();
    const bool loaded = waitFor([&] { return ready; });
    QObject::disconnect(readiness);
    if (!loaded) {
        std::fprintf(stderr, "the canvas page did not load\n");
        std::exit(1);
    }
    g_controller->loadSvg(WebViewViewController::SvgEncoding::Text,
        QStringLiteral(
            R"(<svg xmlns="http://www.w3.org/2000/svg" width="920" height="920" viewBox="0 0 920 920">)"
            R"(<text x="160" y="800" font-family="Mitr" font-size="96" fill="#212529">Tessaly</text></svg>)"),
        WebViewViewController::nextDesignLoadToken());
    waitForMessage(QStringLiteral("svgLoadSuccess"));
    g_controller->evaluate(QStringLiteral("tessalyCanvas.setActiveObject(tessalyCanvas.getObjects()[0])"));
    return *g_controller;
}

// The floor: one call whose only effect is the page's answer.
void pageRoundTrip(benchmark::State& state)
{
    page();
    for (auto _ : state) {
        g_messages.clear();
        page().evaluate(CanvasScripts::getFontAttributes());
        if (!waitForMessage(QStringLiteral("fontAttributes")))
            state.SkipWithError("no answer");
    }
}

// A font click up to the text drawn in it: the page loads the file, answers,
// and the family is set (the format read after it proves it ran).
void clickFont(benchmark::State& state, const QString& location)
{
    for (auto _ : state) {
        const QString family = QStringLiteral("Bench %1").arg(++g_serial);
        g_messages.clear();
        page().evaluate(CanvasScripts::loadFont(family, location));
        if (!waitForMessage(QStringLiteral("loadFontSuccess"))) {
            state.SkipWithError("the font did not load");
            return;
        }
        page().evaluate(CanvasScripts::setTextFontFamily(family));
        page().evaluate(CanvasScripts::getFontAttributes());
        waitForMessage(QStringLiteral("fontAttributes"));
    }
}

void clickInstalledFont(benchmark::State& state)
{
    clickFont(state, FontUtils::registerLocalFontReturningPath(QStringLiteral("Lato")));
}

void clickStandinFont(benchmark::State& state)
{
    clickFont(state, QString::fromStdString(g_standin->baseUrl()) + QStringLiteral("/static/fonts/DejaVuSans.ttf"));
}

// Tap to each file written.
void exportFiles(benchmark::State& state)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    setExportFolderOpener([](const QString&) {});
    ExportFlow flow([](const QString& script) { page().evaluate(script); });
    bool finished = false;
    QObject::connect(&flow, &ExportFlow::finished, [&] { finished = true; });
    double svgSeconds = 0;
    for (auto _ : state) {
        finished = false;
        const auto start = std::chrono::steady_clock::now();
        flow.start();
        waitFor([&] { return flow.step() == ExportFlow::Step::AwaitingPng; });
        svgSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!waitFor([&] { return finished; })) {
            state.SkipWithError("the export did not finish");
            return;
        }
    }
    state.counters["svg_ms"] = benchmark::Counter(svgSeconds * 1000 / double(state.iterations()));
}

// Start-up's registration of the installed files, one per event-loop turn,
// until the queue is done; "files" counts those handed to the font database
// (a process registers each file once), "rss_MiB" is the memory after it.
void registerAtStartup(benchmark::State& state)
{
    const int before = fontFileRegistrationCount();
    for (auto _ : state) {
        FontUtils::registerLocalCJKFonts();
        waitFor([] { return qApp->findChildren<FontRegistrationQueue*>().isEmpty(); });
    }
    state.counters["files"] = fontFileRegistrationCount() - before;
    state.counters["rss_MiB"] = double(residentKilobytes()) / 1024;
}

void latinListForPage(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(FontUtils::localFontListForWebView());
}

// From opening the panel to its 45 cells.
void fillGraphicsGrid(benchmark::State& state)
{
    for (auto _ : state) {
        GraphicsAddSheet sheet(nullptr);
        sheet.resize(270, 522);
        sheet.show();
        if (!waitFor([&] { return sheet.cells().size() == 45; })) {
            state.SkipWithError("the grid did not fill");
            return;
        }
    }
}

// Registration first: it runs before any page exists, as at start-up.
BENCHMARK(registerAtStartup)->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(1));
BENCHMARK(pageRoundTrip)->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(30));
BENCHMARK(latinListForPage)->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(20));
BENCHMARK(clickInstalledFont)->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(20));
BENCHMARK(clickStandinFont)->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(20));
BENCHMARK(exportFiles)->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(10));
BENCHMARK(fillGraphicsGrid)->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(10));

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatformUnlessSet();
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);

    g_standin = std::make_unique<standin::StandinServer>();
    if (g_standin->start() < 0)
        return 1;
    Configs::Network::apiBaseURL = QString::fromStdString(g_standin->apiBase());

    benchmark::Initialize(&argc, argv);
    const int status = bench::runBenchmarks();
    g_controller.reset();
    g_standin.reset();
    return status;
}
