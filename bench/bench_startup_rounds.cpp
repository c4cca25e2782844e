// Start-up against both floors in the same rounds. Each round starts, in a
// rotating order, the bare window of bench_startup_floor, a bare window in a
// program that loads Qt WebEngine and takes the rendering path the
// application takes on this machine (this program, given a flag), and the
// application against the stand-in server. Each start is timed from here,
// from the process's start to its first-paint line, so all three carry the
// same fork and exec. Reports the medians and both ratios. Argument 0 leaves
// the rendering path to the programs; 1 forces GL integration on for the
// web-engine floor and the application alike (the path of a machine with a
// GPU, here on software GL). The bare window uses no GL either way.
// Run under a display (xvfb-run).

#include "BenchSupport.h"
#include "StartupTiming.h"
#include "app/SoftwareRenderingPath.h"
#include "standin/StandinServer.h"

#include <QFileInfo>
#include <QWebEngineView>
#include <array>

namespace {

constexpr const char* webEngineWindowFlag = "--bare-window-with-web-engine";
QString programPath;
QString tessalyPath;
QString floorPath;

void BM_StartupAgainstBothFloors(benchmark::State& state)
{
    standin::StandinServer server;
    if (server.start(0) < 0) {
        state.SkipWithError("the stand-in server did not start");
        return;
    }
    QProcessEnvironment environment = environmentForStandin(server);
    QProcessEnvironment floorEnvironment = QProcessEnvironment::systemEnvironment();
    if (state.range(0) == 1) {
        for (QProcessEnvironment* e : { &environment, &floorEnvironment })
            e->insert(QStringLiteral("QT_XCB_GL_INTEGRATION"), QStringLiteral("xcb_glx"));
    }
    const std::array<startup_timing::Launch, 3> launches { {
        { floorPath, { QStringLiteral("--bare-window") } },
        { programPath, { QString::fromLatin1(webEngineWindowFlag) }, floorEnvironment },
        { tessalyPath, {}, environment },
    } };
    std::array<std::vector<double>, 3> times;
    std::size_t round = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < launches.size(); ++i) {
            const std::size_t which = (round + i) % launches.size();
            const startup_timing::Launch& launch = launches[which];
            double reported = 0;
            const double elapsed
                = startup_timing::timeToFirstPaint(launch.program, launch.arguments, launch.environment, reported);
            if (elapsed < 0) {
                state.SkipWithError("a program never reported its first paint");
                return;
            }
            times[which].push_back(elapsed);
        }
        state.SetIterationTime(times[2].back() / 1000.0);
        ++round;
    }
    const double bare = startup_timing::median(times[0]);
    const double webEngine = startup_timing::median(times[1]);
    const double tessaly = startup_timing::median(times[2]);
    state.counters["bare_ms"] = bare;
    state.counters["web_engine_ms"] = webEngine;
    state.counters["tessaly_ms"] = tessaly;
    state.counters["to_bare"] = bare > 0 ? tessaly / bare : 0;
    state.counters["to_web_engine"] = webEngine > 0 ? tessaly / webEngine : 0;
    state.counters["web_engine_to_bare"] = bare > 0 ? webEngine / bare : 0;
}
BENCHMARK(BM_StartupAgainstBothFloors)
    ->ArgName("gl_integration")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], webEngineWindowFlag) == 0) {
        // Loads Qt WebEngine as the application does, without creating a view.
        std::printf("linked %s\n", QWebEngineView::staticMetaObject.className());
        SoftwareRenderingPath::applyBeforeApplication();
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        return startup_timing::runBareWindow(argc, argv);
    }
    programPath = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    const QString binDirectory = QFileInfo(programPath).absolutePath();
    tessalyPath = binDirectory + QStringLiteral("/tessaly");
    floorPath = binDirectory + QStringLiteral("/bench_startup_floor");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
