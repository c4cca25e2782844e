// The AI page with the stand-in in this process: the time from Create to the
// new design's tile painted in My Design (the floor is the 7-second gate),
// the time from the page's appearance to its lists shown (the floor is one
// Step1 round trip), and the process's memory after 20 generations in a row.

#include "BenchMain.h"
#include "BenchSupport.h"
#include "ai/AILogoView.h"
#include "ai/CreatorButtonView.h"
#include "ai/GeneratingView.h"
#include "ai/MakeAIView.h"
#include "ai/Step1View.h"
#include "ai/Step1ViewList.h"
#include "ai/Step2View.h"
#include "ai/Step3View.h"
#include "api/APIFactory.h"
#include "app/ContentView.h"
#include "app/PageSelection.h"
#include "app/RightTab.h"
#include "components/SeenPage.h"
#include "core/Configs.h"
#include "discovery/MyDesignView.h"
#include "standin/StandinServer.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

standin::StandinServer* g_server = nullptr;

bool listsShown(AILogoView& page)
{
    return !page.wizard()->step1()->list()->rows().isEmpty() && !page.wizard()->step2()->cards().isEmpty()
        && !page.wizard()->step3()->data().isEmpty();
}

std::string newestDesign()
{
    const auto makes = g_server->requestsTo("/logo2/Ai_make");
    if (makes.empty())
        return {};
    const auto ids = g_server->designIds(makes.back().body["uuid"].get<std::string>());
    return ids.empty() ? std::string() : ids.front();
}

// Create in the wizard → the new design's tile painted first in My Design.
void BM_CreateToNewTileInMyDesign(benchmark::State& state)
{
    standin::StandinServer* shared = g_server;
    const QString sharedBase = Configs::Network::apiBaseURL;
    standin::Options options;
    options.generationMs = int(state.range(0));
    standin::StandinServer server(options);
    server.start();
    Configs::Network::apiBaseURL = QString::fromStdString(server.apiBase());
    g_server = &server;
    ContentView view;
    view.show();
    view.selection()->setIndex(PageSelection::AILogo);
    auto* page = qobject_cast<AILogoView*>(view.rightTab()->page(PageSelection::AILogo));
    auto* myDesign = qobject_cast<MyDesignView*>(view.rightTab()->page(PageSelection::MyDesign));
    if (!runUntil([&] { return listsShown(*page); }))
        state.SkipWithError("the AI page never showed its lists");
    for (auto _ : state) {
        view.selection()->setIndex(PageSelection::AILogo);
        const int before = int(myDesign->items().size());
        CreatorButtonView::create();
        const bool tileShown = runUntil([&] {
            return int(myDesign->items().size()) == before + 1
                && myDesign->items().first().id.toStdString() == newestDesign();
        });
        if (!tileShown) {
            state.SkipWithError("the new design never reached My Design");
            break;
        }
        benchmark::DoNotOptimize(myDesign->grab());
    }
    state.counters["per_gate"] = benchmark::Counter(
        double(state.iterations()) * std::chrono::duration<double>(GeneratingView::gateDuration).count(),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    g_server = shared;
    Configs::Network::apiBaseURL = sharedBase;
}
BENCHMARK(BM_CreateToNewTileInMyDesign)
    ->Arg(3000)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(bench::iterations(2));

// The floor of the next one: one Step1 request to its decoded reply.
void BM_Step1RoundTrip(benchmark::State& state)
{
    for (auto _ : state) {
        bool done = false;
        makeStep1([&](const Step1Model&) { done = true; }, [&] { done = true; });
        runUntil([&] { return done; });
    }
}
BENCHMARK(BM_Step1RoundTrip)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(bench::iterations(10));

// The page's appearance → industries, styles and the first symbols shown.
void BM_AppearanceToListsShown(benchmark::State& state)
{
    for (auto _ : state) {
        AILogoView page;
        page.show();
        runUntil([&] { return listsShown(page); });
        benchmark::DoNotOptimize(page.grab());
    }
}
BENCHMARK(BM_AppearanceToListsShown)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(bench::iterations(10));

void reportMemoryAfterTwentyGenerations()
{
    // The page alone, so the figure holds generating screens, players and
    // animations, not My Design's growing list.
    const auto gate = GeneratingView::gateDuration;
    GeneratingView::gateDuration = std::chrono::milliseconds(300);
    AILogoView page;
    // In front of its own window, as the main window shows it: its videos play.
    auto* seenPage = new SeenPage(&page);
    seenPage->setPage(&page);
    page.show();
    seenPage->setWindowShown(true);
    runUntil([&] { return listsShown(page); });
    QString line = QStringLiteral("memory: AI page shown %1 kB").arg(residentKilobytes());
    for (int i = 1; i <= (bench::brief() ? 2 : 20); ++i) {
        CreatorButtonView::create();
        runUntil([&] { return !page.isGenerating(); });
        runUntil([] { return false; }, 50);
        if (i % 5 == 0)
            line += QStringLiteral(", after %1 generations %2 kB").arg(i).arg(residentKilobytes());
    }
    std::printf("%s\n", qPrintable(line));
    GeneratingView::gateDuration = gate;
}

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatformUnlessSet();
    QApplication app(argc, argv);
    standin::StandinServer server;
    if (!startBenchStandin(server))
        return 1;
    g_server = &server;
    reportMemoryAfterTwentyGenerations();
    // The smoke run shows that the road still ends in My Design, not how long the gate lasts.
    if (bench::brief())
        GeneratingView::gateDuration = std::chrono::milliseconds(300);
    benchmark::Initialize(&argc, argv);
    return bench::runBenchmarks();
}
