// Building and laying out a column grid of many cells, as the template and
// design lists do.

#include "BenchMain.h"
#include "BenchSupport.h"
#include "components/QGrid.h"

#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>
#include <benchmark/benchmark.h>

namespace {

QWidget* card(int index)
{
    auto* cell = new QWidget;
    cell->setFixedSize(161, 161);
    auto* layout = new QVBoxLayout(cell);
    layout->addStretch();
    layout->addWidget(new QLabel(QStringLiteral("Template %1").arg(index)));
    return cell;
}

void buildAndLayOut(benchmark::State& state)
{
    const int count = int(state.range(0));
    for (auto _ : state) {
        QGrid grid(count, { .columns = 4, .vSpacing = 12, .hSpacing = 0 }, card);
        grid.resize(720, 560);
        grid.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(grid.contentWidget()->height());
    }
    state.SetItemsProcessed(state.iterations() * count);
}

void relayOutOnResize(benchmark::State& state)
{
    const int count = int(state.range(0));
    QGrid grid(count, { .columns = 4, .vSpacing = 12, .hSpacing = 0 }, card);
    grid.resize(720, 560);
    grid.show();
    QCoreApplication::processEvents();
    int width = 720;
    for (auto _ : state) {
        width = width == 720 ? 700 : 720;
        grid.resize(width, 560);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(grid.contentWidget()->height());
    }
}

} // namespace

BENCHMARK(buildAndLayOut)->Arg(100)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(relayOutOnResize)->Arg(500)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    useOffscreenPlatformUnlessSet();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    return bench::runBenchmarks();
}
