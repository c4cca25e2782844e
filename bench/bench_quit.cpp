// Time from the quit shortcut (Shift+Ctrl+Q, nothing to save) to the end of
// the process, for the application against the stand-in server, as a ratio to
// a bare Qt window that quits on the same shortcut, started in turn in the
// same run. Needs an X display (xvfb-run) and xdotool, which sends the key.

#include "BenchMain.h"
#include "BenchSupport.h"
#include "StartupTiming.h"
#include "standin/StandinServer.h"

#include <QAction>
#include <QFileInfo>
#include <QThread>

namespace {

constexpr const char* bareWindowFlag = "--bare-window-until-quit";
QString programPath;
QString tessalyPath;

// The floor: a window of the main window's size that quits on the shortcut.
int runBareWindowUntilQuit(int argc, char** argv)
{
    QApplication app(argc, argv);
    startup_timing::BareWindow window(startup_timing::BareWindow::StayOpen);
    auto* quit = new QAction(&window);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Q));
    quit->setShortcutContext(Qt::ApplicationShortcut);
    QObject::connect(quit, &QAction::triggered, &app, &QCoreApplication::quit);
    window.addAction(quit);
    window.show();
    return app.exec();
}

bool runTool(const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForFinished(10000) || tool.exitCode() != 0)
        return false;
    if (output)
        *output = tool.readAllStandardOutput();
    return true;
}

// Starts the program, waits for its first paint and for its start-up work
// to settle, sends the shortcut and returns the milliseconds until the
// process ended, or -1.
double timeToQuit(const startup_timing::Launch& launch)
{
    QProcess process;
    process.setProcessEnvironment(launch.environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(launch.program, launch.arguments);
    QByteArray output;
    while (!output.contains(startup_timing::shownLine) && process.waitForReadyRead(30000))
        output += process.readAllStandardOutput();
    QThread::msleep(1500);
    process.readAllStandardOutput();
    QByteArray windows;
    const QString pid = QString::number(process.processId());
    double elapsed = -1;
    if (runTool(
            { QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), pid }, &windows)) {
        const QString window = QString::fromLatin1(windows.split('\n').value(0));
        runTool({ QStringLiteral("windowfocus"), QStringLiteral("--sync"), window });
        QElapsedTimer clock;
        clock.start();
        // Sent as real input to the focused window: the application ignores
        // keys sent to a window as synthetic events. The window may be gone
        // before xdotool sends the key's release,
        // which it reports as a failure: only the process's end counts.
        runTool({ QStringLiteral("key"), QStringLiteral("ctrl+shift+q") });
        // Whatever it still prints must not hold it up.
        while (!process.waitForFinished(5) && clock.elapsed() < 10000)
            process.readAllStandardOutput();
        if (process.state() == QProcess::NotRunning)
            elapsed = double(clock.nsecsElapsed()) / 1e6;
    }
    process.kill();
    process.waitForFinished(5000);
    return elapsed;
}

void BM_TessalyQuit(benchmark::State& state)
{
    standin::StandinServer server;
    if (server.start(0) < 0) {
        state.SkipWithError("the stand-in server did not start");
        return;
    }
    QProcessEnvironment environment = environmentForStandin(server);
    const startup_timing::Launch tessaly { tessalyPath, {}, environment };
    const startup_timing::Launch floor { programPath, { QString::fromLatin1(bareWindowFlag) } };
    std::vector<double> measured;
    std::vector<double> floorMs;
    for (auto _ : state) {
        const double bare = timeToQuit(floor);
        const double quit = timeToQuit(tessaly);
        if (bare < 0 || quit < 0) {
            state.SkipWithError("a program did not quit on the shortcut");
            return;
        }
        state.SetIterationTime(quit / 1000.0);
        measured.push_back(quit);
        floorMs.push_back(bare);
    }
    const double floorMedian = startup_timing::median(floorMs);
    state.counters["median_ms"] = startup_timing::median(measured);
    state.counters["floor_ms"] = floorMedian;
    state.counters["ratio"] = floorMedian > 0 ? startup_timing::median(measured) / floorMedian : 0;
}
BENCHMARK(BM_TessalyQuit)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(10));

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], bareWindowFlag) == 0)
        return runBareWindowUntilQuit(argc, argv);
    QCoreApplication app(argc, argv);
    programPath = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    tessalyPath = QFileInfo(programPath).absolutePath() + QStringLiteral("/tessaly");
    benchmark::Initialize(&argc, argv);
    return bench::runBenchmarks();
}
