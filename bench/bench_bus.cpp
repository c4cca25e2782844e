// Cost of one post to 1, 10 and 100 subscribers of the same event type.

#include "BenchMain.h"
#include "core/RxBus.h"

#include <benchmark/benchmark.h>

namespace {
struct BenchEvent {
    static constexpr const char* name = "BenchEvent";
    int value = 0;
};

void postToSubscribers(benchmark::State& state)
{
    RxBus bus;
    rx::DisposeBag bag;
    long long sum = 0;
    for (int i = 0; i < state.range(0); ++i)
        bag.insert(bus.asObservable<BenchEvent>().subscribe([&sum](const BenchEvent& e) { sum += e.value; }));
    for (auto _ : state)
        bus.post(BenchEvent { 1 });
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(postToSubscribers)->Arg(1)->Arg(10)->Arg(100);
} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    return bench::runBenchmarks();
}
