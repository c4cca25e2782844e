#pragma once

// Shared by the start-up benchmarks: each iteration starts a fresh process
// and stops the clock when it prints its first-paint line, "Main window shown
// after N ms" (N measured by the process itself from its own start).

#include "app/ProcessStartClock.h"

#include <QApplication>
#include <QColor>
#include <QElapsedTimer>
#include <QPainter>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <vector>

namespace startup_timing {

inline constexpr const char* shownLine = "Main window shown after ";

// The floor: a window of the main window's size that paints once, reports
// and quits (or stays open when asked to).
class BareWindow : public QWidget {
public:
    enum Ending { QuitWhenShown, StayOpen };

    explicit BareWindow(Ending ending = QuitWhenShown)
        : m_ending(ending)
    {
        setFixedSize(900, 616);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).fillRect(rect(), QColor(0x1E1E1E));
        if (m_painted)
            return;
        m_painted = true;
        QTimer::singleShot(0, this, [this] {
            std::printf("%s%lld ms\n", shownLine, static_cast<long long>(ProcessStartClock::elapsedMilliseconds()));
            std::fflush(stdout);
            if (m_ending == QuitWhenShown)
                QCoreApplication::quit();
        });
    }

private:
    Ending m_ending;
    bool m_painted = false;
};

inline int runBareWindow(int argc, char** argv)
{
    QApplication app(argc, argv);
    BareWindow window;
    window.show();
    return app.exec();
}

// Starts `program` and returns the milliseconds until its first-paint line,
// or -1; the figure the process printed goes to `reported`.
inline double timeToFirstPaint(
    const QString& program, const QStringList& arguments, const QProcessEnvironment& environment, double& reported)
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
            elapsed = double(clock.nsecsElapsed()) / 1e6;
            reported = output.mid(at + qsizetype(std::strlen(shownLine))).split(' ').value(0).toDouble();
            break;
        }
    }
    process.kill();
    process.waitForFinished(5000);
    return elapsed;
}

inline void measure(benchmark::State& state, const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
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

// One program start: what to run, with which arguments and environment.
struct Launch {
    QString program;
    QStringList arguments;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Starts `measured` and `floor` in turn each iteration, so both see the same
// machine, and reports the medians of the first-paint figures each process
// gave of itself and their ratio. The iteration time is the measured one.
inline void measureAgainstFloor(benchmark::State& state, const Launch& measured, const Launch& floor)
{
    std::vector<double> measuredMs;
    std::vector<double> floorMs;
    for (auto _ : state) {
        double floorReported = 0;
        double reported = 0;
        if (timeToFirstPaint(floor.program, floor.arguments, floor.environment, floorReported) < 0
            || timeToFirstPaint(measured.program, measured.arguments, measured.environment, reported) < 0) {
            state.SkipWithError("a program never reported its first paint");
            return;
        }
        state.SetIterationTime(reported / 1000.0);
        measuredMs.push_back(reported);
        floorMs.push_back(floorReported);
    }
    const double floorMedian = median(floorMs);
    state.counters["median_ms"] = median(measuredMs);
    state.counters["floor_ms"] = floorMedian;
    state.counters["ratio"] = floorMedian > 0 ? median(measuredMs) / floorMedian : 0;
}

} // namespace startup_timing
