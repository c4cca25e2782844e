#pragma once

// Shared by the start-up benchmarks: each start is a fresh process, timed
// until it prints its first-paint line, "Main window shown after N ms" (N
// measured by the process itself from its own start), and the figures come
// from interleaved rounds against a floor, as medians with the machine's load
// beside them.

#include "BenchMain.h"
#include "BenchSupport.h"
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
#include <functional>
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

// How one start is timed: the milliseconds it took, or -1.
using Timing = std::function<double(const Launch&)>;

// From the start of the process to its first-paint line, timed from here, so
// that every program carries the same fork and exec.
inline double firstPaintFromHere(const Launch& launch)
{
    double reported = 0;
    return timeToFirstPaint(launch.program, launch.arguments, launch.environment, reported);
}

// One interleaved round: times every launch once, beginning with launch
// `round` modulo their count, so that none always goes first. The figures in
// the order of `launches`, or none when a start failed.
inline std::vector<double> startInTurn(const std::vector<Launch>& launches, std::size_t round, const Timing& timing)
{
    std::vector<double> times(launches.size(), -1);
    for (std::size_t i = 0; i < launches.size(); ++i) {
        const std::size_t which = (round + i) % launches.size();
        times[which] = timing(launches[which]);
        if (times[which] < 0)
            return {};
    }
    return times;
}

// Rounds of the floor and the measured program in turn, the order rotating
// with `round`. Registered with `asRounds`, each repetition is one round, and
// the aggregate rows give the median of the rounds: the time is the measured
// figure, the counters the floor's, the round's ratio and the machine's load
// over the last minute beside it.
inline void measureAgainstFloor(benchmark::State& state, const Launch& measured, const Launch& floor,
    std::size_t& round, const Timing& timing = firstPaintFromHere)
{
    std::vector<double> floorMs;
    std::vector<double> ratios;
    std::vector<double> loads;
    for (auto _ : state) {
        loads.push_back(oneMinuteLoad());
        const std::vector<double> times = startInTurn({ floor, measured }, round++, timing);
        if (times.empty() || times[0] <= 0) {
            state.SkipWithError("a program never got as far as it is timed");
            return;
        }
        state.SetIterationTime(times[1] / 1000.0);
        floorMs.push_back(times[0]);
        ratios.push_back(times[1] / times[0]);
    }
    state.counters["floor_ms"] = median(floorMs);
    state.counters["ratio"] = median(ratios);
    state.counters["load"] = median(loads);
}

// One round per repetition, reported as the rounds' mean, median and spread.
inline void asRounds(benchmark::internal::Benchmark* benchmark)
{
    benchmark->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(bench::repetitions(15))
        ->ReportAggregatesOnly(true);
}

} // namespace startup_timing
