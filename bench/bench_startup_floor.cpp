// The floor for the start-up figure: a bare Qt widgets window of the main
// window's size, in a program that does not load Qt WebEngine.
// Run under a display (xvfb-run) or with QT_QPA_PLATFORM=offscreen.

#include "BenchMain.h"
#include "StartupTiming.h"

#include <QFileInfo>

namespace {

constexpr const char* bareWindowFlag = "--bare-window";
QString programPath;

void BM_BareQtWindow(benchmark::State& state)
{
    startup_timing::measure(state, programPath, { QString::fromLatin1(bareWindowFlag) });
}
BENCHMARK(BM_BareQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(10));

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], bareWindowFlag) == 0)
        return startup_timing::runBareWindow(argc, argv);
    programPath = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    benchmark::Initialize(&argc, argv);
    return bench::runBenchmarks();
}
