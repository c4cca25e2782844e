// Time from process start to the main window's first paint, for the
// application against the stand-in server, beside a bare window of the same
// size in a program that loads Qt WebEngine as the application does (its
// start-up then sets up a shared GL context). bench_startup_floor gives the
// bare window without Qt WebEngine.
// Run under a display (xvfb-run) or with QT_QPA_PLATFORM=offscreen.

#include "StartupTiming.h"
#include "standin/StandinServer.h"

#include <QFileInfo>
#include <QWebEngineView>

namespace {

constexpr const char* webEngineWindowFlag = "--bare-window-with-web-engine";
QString programPath;
QString tessalyPath;

void BM_BareQtWindowWithWebEngine(benchmark::State& state)
{
    startup_timing::measure(state, programPath, { QString::fromLatin1(webEngineWindowFlag) });
}
BENCHMARK(BM_BareQtWindowWithWebEngine)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_TessalyMainWindow(benchmark::State& state)
{
    standin::StandinServer server;
    if (server.start(0) < 0) {
        state.SkipWithError("the stand-in server did not start");
        return;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TESSALY_API_BASE"), QString::fromStdString(server.apiBase()));
    environment.insert(QStringLiteral("TESSALY_UPDATE_BASE"), QString::fromStdString(server.updateBase()));
    environment.insert(QStringLiteral("TESSALY_WEB_BASE"), QString::fromStdString(server.baseUrl()));
    startup_timing::measure(state, tessalyPath, {}, environment);
}
BENCHMARK(BM_TessalyMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

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
    tessalyPath = QFileInfo(programPath).absolutePath() + QStringLiteral("/tessaly");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
