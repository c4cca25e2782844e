// My Design with 100, 2,000 and 20,000 saved designs: from asking for the
// list to the page painted with it. The floor is the list request and its
// decode alone; "before" builds a tile per design in a column grid, as the
// page once did; "after" is the page as it is, building only the tiles near
// its viewport. Run with --benchmark_enable_random_interleaving=true.

#include "BenchMain.h"
#include "BenchSupport.h"
#include "MedianRatios.h"
#include "api/APIFactory.h"
#include "components/QGrid.h"
#include "core/Configs.h"
#include "discovery/MyDesignItems.h"
#include "discovery/MyDesignView.h"
#include "standin/StandinServer.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

const std::string listPath = "/index.php/logo2/Get_design_list";
standin::StandinServer* g_server = nullptr;

std::string designListReply(int designCount)
{
    nlohmann::json items = nlohmann::json::array();
    for (int i = 0; i < designCount; ++i) {
        const std::string id = std::to_string(5000 + i);
        items.push_back({ { "id", id }, { "title", "Design " + id }, { "desc", "saved" }, { "img", "" },
            { "svg", "<svg xmlns='http://www.w3.org/2000/svg'/>" }, { "ver", i % 7 == 0 ? "v1" : "v2" } });
    }
    return nlohmann::json { { "status", 0 }, { "reason", "" }, { "data", { { "items", items } } } }.dump();
}

void serveDesigns(benchmark::State& state)
{
    g_server->setReply(listPath, 200, designListReply(int(state.range(0))));
}

template <class Done> void processEventsUntil(Done done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// The list arriving, and nothing built from it.
void ListLoadFloor(benchmark::State& state)
{
    serveDesigns(state);
    for (auto _ : state) {
        bool done = false;
        getDesignList([&](const DesignListModel&) { done = true; }, [&] { done = true; });
        processEventsUntil([&] { return done; });
    }
}

// A tile widget for every design, laid out in the page's column grid, then painted.
void EveryTileBuilt(benchmark::State& state)
{
    serveDesigns(state);
    QGridOptions options;
    options.columns = 4;
    options.vSpacing = 12;
    options.hSpacing = 0;
    QGrid grid(0, options, {});
    grid.resize(720, 480);
    grid.show();
    for (auto _ : state) {
        bool done = false;
        getDesignList(
            [&](const DesignListModel& reply) {
                grid.setData(reply.data.items, [](const DesignListContentData& design) {
                    return new MyDesignItems(design, true, false, false, false, [] {});
                });
                done = true;
            },
            [&] { done = true; });
        processEventsUntil([&] { return done; });
        grid.repaint();
    }
    grid.setCells(0, {});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void PageShowsTheList(benchmark::State& state)
{
    serveDesigns(state);
    MyDesignView view;
    int applied = 0;
    QObject::connect(&view, &MyDesignView::designListApplied, &view, [&] { ++applied; });
    view.show();
    processEventsUntil([&] { return applied == 1; });
    for (auto _ : state) {
        applied = 0;
        view.reloadDesignList();
        processEventsUntil([&] { return applied == 1; });
        view.repaint();
    }
}

void rounds(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Repetitions(bench::repetitions(5))
        ->ReportAggregatesOnly(true);
}

void sizes(benchmark::internal::Benchmark* benchmark)
{
    rounds(benchmark->Arg(100)->Arg(2000)->Arg(20000));
}

BENCHMARK(ListLoadFloor)->Apply(sizes);
// Building every tile grows faster than the list: 20,000 tiles took 91 s a
// round here, so that size is left out of the rounds.
BENCHMARK(EveryTileBuilt)->Arg(100)->Arg(2000)->Apply(rounds);
BENCHMARK(PageShowsTheList)->Apply(sizes);

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatformUnlessSet();
    QApplication app(argc, argv);

    standin::StandinServer server;
    if (!startBenchStandin(server))
        return 1;
    g_server = &server;

    benchmark::Initialize(&argc, argv);
    // The requests print diagnostic lines; keep them out of the report.
    std::fflush(stdout);
    const int reportFd = dup(STDOUT_FILENO);
    if (!std::freopen("/dev/null", "w", stdout))
        return 1;
    std::ofstream report("/dev/fd/" + std::to_string(reportFd));
    bench::ErrorCounting<MedianRatioReporter> reporter(
        { "100", "2000", "20000" }, { { "EveryTileBuilt", "ListLoadFloor" }, { "PageShowsTheList", "ListLoadFloor" } });
    reporter.SetOutputStream(&report);
    reporter.SetErrorStream(&report);
    return bench::runBenchmarks(reporter);
}
