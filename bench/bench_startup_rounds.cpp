// Start-up against both floors in the same rounds. Each round starts, in a
// rotating order, the bare window of bench_startup_floor, a bare window in a
// program that loads Qt WebEngine and takes the rendering path the
// application takes on this machine (this program, given a flag), and the
// application against the stand-in server. Each start is timed from here,
// from the process's start to its first-paint line, so all three carry the
// same fork and exec. Each repetition is one round; the aggregate rows give
// the medians of the rounds' times and ratios, with the machine's load
// beside them. Argument 0 leaves the rendering path to the programs; 1 forces
// GL integration on for the web-engine floor and the application alike (the
// path of a machine with a GPU, here on software GL). The bare window uses no
// GL either way. Run under a display (xvfb-run).

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
    const std::vector<startup_timing::Launch> launches {
        { floorPath, { QStringLiteral("--bare-window") } },
        { programPath, { QString::fromLatin1(webEngineWindowFlag) }, floorEnvironment },
        { tessalyPath, {}, environment },
    };
    std::vector<double> bare;
    std::vector<double> webEngine;
    std::vector<double> tessaly;
    std::vector<double> loads;
    for (auto _ : state) {
        loads.push_back(oneMinuteLoad());
        const std::vector<double> times
            = startup_timing::startInTurn(launches, roundsStarted++, startup_timing::firstPaintFromHere);
        if (times.empty() || times[0] <= 0 || times[1] <= 0) {
            state.SkipWithError("a program never reported its first paint");
            return;
        }
        state.SetIterationTime(times[2] / 1000.0);
        bare.push_back(times[0]);
        webEngine.push_back(times[1]);
        tessaly.push_back(times[2]);
    }
    std::vector<double> toBare;
    std::vector<double> toWebEngine;
    std::vector<double> webEngineToBare;
    for (std::size_t i = 0; i < tessaly.size(); ++i) {
        toBare.push_back(tessaly[i] / bare[i]);
        toWebEngine.push_back(tessaly[i] / webEngine[i]);
        webEngineToBare.push_back(webEngine[i] / bare[i]);
    }
    using startup_timing::median;
    state.counters["bare_ms"] = median(bare);
    state.counters["web_engine_ms"] = median(webEngine);
    state.counters["to_bare"] = median(toBare);
    state.counters["to_web_engine"] = median(toWebEngine);
    state.counters["web_engine_to_bare"] = median(webEngineToBare);
    state.counters["load"] = median(loads);
}
BENCHMARK(BM_StartupAgainstBothFloors)->ArgName("gl_integration")->Arg(0)->Arg(1)->Apply(startup_timing::asRounds);

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
