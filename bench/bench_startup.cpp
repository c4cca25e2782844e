// Time from process start to the main window's first paint, for the
// application against the stand-in server, as a ratio to the floor: the bare
// window of bench_startup_floor (a program that does not load Qt WebEngine),
// started in turn with the application in the same run. The application runs
// on the path it picks for this machine, and once more with GL integration
// forced on (a user's setting the application leaves alone), so both sides of
// the software path are measured; a bare window in a program that loads Qt
// WebEngine as the application does is given beside them.
// Run under a display (xvfb-run).

#include "BenchMain.h"
#include "BenchSupport.h"
#include "StartupTiming.h"
#include "standin/StandinServer.h"

#include <QFileInfo>
#include <QWebEngineView>

namespace {

constexpr const char* webEngineWindowFlag = "--bare-window-with-web-engine";
QString programPath;
QString tessalyPath;
QString floorPath;

startup_timing::Launch floorLaunch()
{
    return { floorPath, { QStringLiteral("--bare-window") } };
}

void BM_BareQtWindowWithWebEngine(benchmark::State& state)
{
    startup_timing::measureAgainstFloor(
        state, { programPath, { QString::fromLatin1(webEngineWindowFlag) } }, floorLaunch());
}
BENCHMARK(BM_BareQtWindowWithWebEngine)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(bench::iterations(20));

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
    startup_timing::measureAgainstFloor(state, { tessalyPath, {}, environment }, floorLaunch());
}

void BM_TessalyMainWindow(benchmark::State& state)
{
    measureTessaly(state, false);
}
BENCHMARK(BM_TessalyMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(20));

void BM_TessalyMainWindowWithGlIntegration(benchmark::State& state)
{
    measureTessaly(state, true);
}
BENCHMARK(BM_TessalyMainWindowWithGlIntegration)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(bench::iterations(20));

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], webEngineWindowFlag) == 0) {
        // Loads Qt WebEngine as the application does, without creating a view.
        std::printf("linked %s\n", QWebEngineView::staticMetaObject.className());
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        return startup_timing::runBareWindow(argc, argv);
    }
    programPath = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    const QString binDirectory = QFileInfo(programPath).absolutePath();
    tessalyPath = binDirectory + QStringLiteral("/tessaly");
    floorPath = binDirectory + QStringLiteral("/bench_startup_floor");
    benchmark::Initialize(&argc, argv);
    return bench::runBenchmarks();
}
