// Time from the quit shortcut (Shift+Ctrl+Q, nothing to save) to the end of
// the process, for the application against the stand-in server, as a ratio to
// a bare Qt window that quits on the same shortcut and, like the application,
// ends its process as soon as its event loop is over. Each round starts both in
// turn, the order rotating; the figures are the medians of the rounds, with
// the machine's load beside them. What a program prints is read all along,
// as a terminal would: a full pipe would hold its start-up work up and leave
// that work for the quit. Needs an X display (xvfb-run) and xdotool, which
// sends the key.

#include "BenchMain.h"
#include "BenchSupport.h"
#include "StartupTiming.h"
#include "standin/StandinServer.h"

#include <QAction>
#include <QFileInfo>
#include <cstdlib>

namespace {

constexpr const char* bareWindowFlag = "--bare-window-until-quit";
constexpr int settleMs = 1500;
QString programPath;
QString tessalyPath;
std::size_t roundsStarted = 0;

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
    const int exitCode = app.exec();
    // Ends as the application does, at once when the loop is over: taking
    // the window and the application object down varies by tens of
    // milliseconds from run to run, and the application skips it.
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

// Sleeps between events, so the application being timed keeps the
// processor; every process started here is read and reaped meanwhile.
bool waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    return runUntil(done, timeoutMs, Waiting::Sleeping);
}

bool runTool(const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!waitUntil([&] { return tool.state() == QProcess::NotRunning; }, 10000) || tool.exitCode() != 0)
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
    QByteArray output;
    bool shown = false;
    QObject::connect(&process, &QProcess::readyReadStandardOutput, [&] {
        const QByteArray read = process.readAllStandardOutput();
        if (shown)
            return;
        // Only the tail is kept, for a line that arrives in parts.
        output = output.right(256) + read;
        shown = output.contains(startup_timing::shownLine);
    });
    process.start(launch.program, launch.arguments);
    double elapsed = -1;
    QByteArray windows;
    if (waitUntil([&] { return shown; }, 30000)) {
        waitUntil([] { return false; }, settleMs);
        runTool({ QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                    QString::number(process.processId()) },
            &windows);
    }
    if (!windows.isEmpty()) {
        const QString window = QString::fromLatin1(windows.split('\n').value(0));
        runTool({ QStringLiteral("windowfocus"), QStringLiteral("--sync"), window });
        QElapsedTimer clock;
        clock.start();
        // Sent as real input to the focused window: the application ignores
        // keys sent to a window as synthetic events. Only the process's end
        // counts, not xdotool's, which may still be sending the key's release
        // (and report a failure when the window has gone first).
        QProcess key;
        key.start(QStringLiteral("xdotool"), { QStringLiteral("key"), QStringLiteral("ctrl+shift+q") });
        if (waitUntil([&] { return process.state() == QProcess::NotRunning; }, 10000))
            elapsed = double(clock.nsecsElapsed()) / 1e6;
        waitUntil([&] { return key.state() == QProcess::NotRunning; }, 10000);
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
    const startup_timing::Launch tessaly { tessalyPath, {}, environmentForStandin(server) };
    const startup_timing::Launch floor { programPath, { QString::fromLatin1(bareWindowFlag) } };
    startup_timing::measureAgainstFloor(state, tessaly, floor, roundsStarted, timeToQuit);
}
BENCHMARK(BM_TessalyQuit)->Apply(startup_timing::asRounds);

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
