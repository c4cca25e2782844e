// My Design: the time from "Sure" on five ticked designs to the page showing
// the list it ends with, beside one plain list load as the floor. The
// stand-in answers every delete with success and always lists the same
// designs, so every iteration starts from the same page.

#include "BenchMain.h"
#include "BenchSupport.h"
#include "api/APIFactory.h"
#include "core/Configs.h"
#include "discovery/MyDesignItems.h"
#include "discovery/MyDesignView.h"
#include "standin/StandinServer.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr int designCount = 30;
constexpr int deletedCount = 5;
const std::string listPath = "/index.php/logo2/Get_design_list";
const std::string deletePath = "/index.php/logo2/Del_logo";

std::string designListReply()
{
    nlohmann::json items = nlohmann::json::array();
    const std::string svg = "<svg xmlns='http://www.w3.org/2000/svg'>" + std::string(8000, ' ') + "</svg>";
    for (int i = 0; i < designCount; ++i) {
        const std::string id = std::to_string(5000 + i);
        items.push_back({ { "id", id }, { "title", "Design " + id }, { "desc", "saved" }, { "img", "" }, { "svg", svg },
            { "ver", "v2" } });
    }
    return nlohmann::json { { "status", 0 }, { "reason", "" }, { "data", { { "items", items } } } }.dump();
}

void processEventsFor(int milliseconds)
{
    QDeadlineTimer deadline(milliseconds);
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    } while (!deadline.hasExpired());
}

template <class Done> void processEventsUntil(Done done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void BM_OneListLoadFloor(benchmark::State& state)
{
    for (auto _ : state) {
        bool done = false;
        getDesignList([&](const DesignListModel&) { done = true; }, [&] { done = true; });
        processEventsUntil([&] { return done; });
    }
}
BENCHMARK(BM_OneListLoadFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DeleteFiveThenShowTheList(benchmark::State& state)
{
    MyDesignView view;
    view.setDeleteConfirmation([](QWidget*) { return true; });
    int applied = 0;
    QObject::connect(&view, &MyDesignView::designListApplied, &view, [&] { ++applied; });
    view.show();
    processEventsUntil([&] { return applied == 1; });

    auto deleteFive = [&] {
        for (int i = 0; i < deletedCount; ++i)
            view.tile(i)->toggleSelect();
        view.deleteSelectedDesigns();
    };
    // How many list replies one confirmation ends in, counted once with time to settle.
    applied = 0;
    deleteFive();
    processEventsFor(1500);
    const int appliedPerDelete = applied;

    for (auto _ : state) {
        applied = 0;
        deleteFive();
        processEventsUntil([&] { return applied == appliedPerDelete; });
    }
    state.counters["list_loads"] = appliedPerDelete;
}
BENCHMARK(BM_DeleteFiveThenShowTheList)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatformUnlessSet();
    QApplication app(argc, argv);

    standin::StandinServer server;
    if (!startBenchStandin(server))
        return 1;
    server.setReply(listPath, 200, designListReply());
    server.setReply(deletePath, 200, R"({"status":0,"reason":"","data":{}})");

    benchmark::Initialize(&argc, argv);
    return bench::runBenchmarks();
}
