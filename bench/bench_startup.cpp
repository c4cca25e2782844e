// Time from process start to the main window's first paint: the application
// against a bare Qt window of the same size (the floor). Each iteration starts
// a fresh process and stops the clock when it reports its first paint.
// Run under a display (xvfb-run) or with QT_QPA_PLATFORM=offscreen.

#include "app/ProcessStartClock.h"
#include "standin/StandinServer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTimer>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* shownLine = "Main window shown after ";
constexpr const char* bareWindowFlag = "--bare-window";

// The floor: a window of the main window's size that paints once and quits.
class BareWindow : public QWidget {
public:
    BareWindow() { setFixedSize(900, 616); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).fillRect(rect(), QColor(0x1E1E1E));
        if (m_painted)
            return;
        m_painted = true;
        QTimer::singleShot(0, this, [] {
            std::printf("%s%lld ms\n", shownLine, static_cast<long long>(ProcessStartClock::elapsedMilliseconds()));
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }

private:
    bool m_painted = false;
};

int runBareWindow(int argc, char** argv)
{
    QApplication app(argc, argv);
    BareWindow window;
    window.show();
    return app.exec();
}

QString programPath;
QString tessalyPath;

// Starts `program`, waits for its first-paint line and returns the time from
// the start to that line; the figure the process printed goes to `reported`.
double timeToFirstPaint(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
    double& reported)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    QByteArray output;
    double elapsed = -1;
    while (process.waitForReadyRead(30000)) {
        output += process.readAllStandardOutput();
        const qsizetype at = output.indexOf(shownLine);
        if (at >= 0 && output.indexOf('\n', at) > at) {
            elapsed = clock.nsecsElapsed() / 1e6;
            reported = output.mid(at + qsizetype(std::strlen(shownLine))).split(' ').value(0).toDouble();
            break;
        }
    }
    process.kill();
    process.waitForFinished(5000);
    return elapsed;
}

void measure(benchmark::State& state, const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment)
{
    double reportedTotal = 0;
    for (auto _ : state) {
        double reported = 0;
        const double elapsed = timeToFirstPaint(program, arguments, environment, reported);
        if (elapsed < 0) {
            state.SkipWithError("the program never reported its first paint");
            return;
        }
        state.SetIterationTime(elapsed / 1000.0);
        reportedTotal += reported;
    }
    state.counters["reported_ms"] = benchmark::Counter(reportedTotal / double(state.iterations()));
}

void BM_BareQtWindow(benchmark::State& state)
{
    measure(state, programPath, {QString::fromLatin1(bareWindowFlag)}, QProcessEnvironment::systemEnvironment());
}
BENCHMARK(BM_BareQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

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
    measure(state, tessalyPath, {}, environment);
}
BENCHMARK(BM_TessalyMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], bareWindowFlag) == 0)
        return runBareWindow(argc, argv);

    programPath = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    tessalyPath = QFileInfo(programPath).absolutePath() + QStringLiteral("/tessaly");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
