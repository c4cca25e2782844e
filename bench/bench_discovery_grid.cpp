// The Discovery page with 20,000 templates from the stand-in server: the time
// from a decoded reply to the first painted grid, and the process's memory
// after scrolling through the whole grid.

#include "BenchMain.h"
#include "BenchSupport.h"
#include "api/APIFactory.h"
#include "core/Configs.h"
#include "discovery/DiscoveryController.h"
#include "discovery/DiscoveryView.h"
#include "discovery/TemplateGridView.h"
#include "discovery/ThumbnailCache.h"
#include "standin/StandinServer.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

const int templateCount = bench::brief() ? 200 : 20000;
DiscorysModel* g_reply = nullptr;

void processEventsFor(int milliseconds)
{
    QDeadlineTimer deadline(milliseconds);
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    } while (!deadline.hasExpired());
}

// Reply in hand → templates applied, page shown, grid painted.
void BM_ReplyToFirstPaintedGrid(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto view = std::make_unique<DiscoveryView>();
        state.ResumeTiming();
        view->controller()->applyReply(*g_reply);
        view->show();
        benchmark::DoNotOptimize(view->grid()->viewport()->grab());
        state.PauseTiming();
        view.reset();
        processEventsFor(5);
        state.ResumeTiming();
    }
    state.counters["templates"] = double(g_reply->data.items.size());
}
BENCHMARK(BM_ReplyToFirstPaintedGrid)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(bench::iterations(10));

// One scroll step through the full grid (repaint of the newly visible rows).
void BM_ScrollOnePage(benchmark::State& state)
{
    DiscoveryView view;
    view.controller()->applyReply(*g_reply);
    view.show();
    QScrollBar* bar = view.grid()->verticalScrollBar();
    int value = 0;
    for (auto _ : state) {
        value = (value + bar->pageStep()) % bar->maximum();
        bar->setValue(value);
        benchmark::DoNotOptimize(view.grid()->viewport()->grab());
    }
}
BENCHMARK(BM_ScrollOnePage)->Unit(benchmark::kMicrosecond);

void reportMemoryAfterScrollingToTheEnd()
{
    const long before = residentKilobytes();
    DiscoveryView view;
    view.controller()->applyReply(*g_reply);
    view.show();
    processEventsFor(500);
    const long shown = residentKilobytes();
    QScrollBar* bar = view.grid()->verticalScrollBar();
    QElapsedTimer clock;
    clock.start();
    int steps = 0;
    for (int value = 0; value < bar->maximum(); value += bar->pageStep(), ++steps) {
        bar->setValue(value);
        processEventsFor(4);
    }
    bar->setValue(bar->maximum());
    processEventsFor(2000);
    const long after = residentKilobytes();
    std::printf(
        "memory: with the decoded reply, before the page %ld kB, page shown %ld kB, after scrolling to the end %ld kB "
        "(%d page steps in %lld ms, %d pictures cached, %d waiting, %d in flight)\n",
        before, shown, after, steps, clock.elapsed(), view.thumbnails()->cachedCount(),
        view.thumbnails()->waitingCount(), view.thumbnails()->inFlightCount());
}

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatformUnlessSet();
    QApplication app(argc, argv);

    // Against a stand-in started with `tessaly-standin --templates 20000` when
    // TESSALY_API_BASE names it, so the figures hold the application alone;
    // otherwise against one in this process.
    std::unique_ptr<standin::StandinServer> server;
    if (qEnvironmentVariableIsEmpty("TESSALY_API_BASE")) {
        standin::Options options;
        options.templateCount = templateCount;
        server = std::make_unique<standin::StandinServer>(options);
        if (!startBenchStandin(*server))
            return 1;
    }

    DiscorysModel reply;
    bool done = false;
    QElapsedTimer clock;
    clock.start();
    getDiscorysList(
        0, DiscoveryController::templatePageLength,
        [&](const DiscorysModel& model) {
            reply = model;
            done = true;
        },
        [&] { done = true; });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    std::printf("request to decoded reply: %lld ms, %lld templates\n", clock.elapsed(),
        static_cast<long long>(reply.data.items.size()));
    g_reply = &reply;

    // Memory first, while nothing else has run in this process.
    reportMemoryAfterScrollingToTheEnd();
    benchmark::Initialize(&argc, argv);
    return bench::runBenchmarks();
}
