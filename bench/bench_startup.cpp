// Time from process start to the main window's first paint, for the
// application against the stand-in server, as a ratio to the floor: the bare
// window of bench_startup_floor (a program that does not load Qt WebEngine).
// Each round starts the floor and the measured program in turn, the order
// rotating, and times both from here, from the start to the first-paint
// line; the figures are the medians of the rounds, with the machine's load
// beside them. The application runs on the path it picks for this machine,
// and once more with GL integration forced on (a user's setting the
// application leaves alone), so both sides of the software path are
// measured; a bare window in a program that loads Qt WebEngine and takes the
// application's rendering path is given beside them.
// Run under a display (xvfb-run).

#include "BenchMain.h"
#include "BenchSupport.h"
#include "StartupTiming.h"
#include "WebEngineBareWindow.h"
#include "standin/StandinServer.h"

#include <QFileInfo>

namespace {

constexpr const char* webEngineWindowFlag = "--bare-window-with-web-engine";
QString programPath;
QString tessalyPath;
QString floorPath;
std::size_t roundsStarted = 0;

startup_timing::Launch floorLaunch()
{
    return { floorPath, { QStringLiteral("--bare-window") } };
}

void BM_BareQtWindowWithWebEngine(benchmark::State& state)
{
    startup_timing::measureAgainstFloor(
        state, { programPath, { QString::fromLatin1(webEngineWindowFlag) } }, floorLaunch(), roundsStarted);
}
BENCHMARK(BM_BareQtWindowWithWebEngine)->Apply(startup_timing::asRounds);

void measureTessaly(benchmark::State& state, bool forceGlIntegration)
{
    standin::StandinServer server;
    if (server.start(0) < 0) {
        state.SkipWithError("the stand-in server did not start");
        return;
    }
    QProcessEnvironment environment = environmentForStandin(server);
    if (forceGlIntegration)
        environment.insert(QStringLiteral("QT_XCB_GL_INTEGRATION"), QStringLiteral("xcb_glx"));
    startup_timing::measureAgainstFloor(state, { tessalyPath, {}, environment }, floorLaunch(), roundsStarted);
}

void BM_TessalyMainWindow(benchmark::State& state)
{
    measureTessaly(state, false);
}
BENCHMARK(BM_TessalyMainWindow)->Apply(startup_timing::asRounds);

void BM_TessalyMainWindowWithGlIntegration(benchmark::State& state)
{
    measureTessaly(state, true);
}
BENCHMARK(BM_TessalyMainWindowWithGlIntegration)->Apply(startup_timing::asRounds);

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], webEngineWindowFlag) == 0)
        return startup_timing::runBareWindowWithWebEngine(argc, argv);
    programPath = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    const QString binDirectory = QFileInfo(programPath).absolutePath();
    tessalyPath = binDirectory + QStringLiteral("/tessaly");
    floorPath = binDirectory + QStringLiteral("/bench_startup_floor");
    benchmark::Initialize(&argc, argv);
    return bench::runBenchmarks();
}
