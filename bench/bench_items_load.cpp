// Reading the URL history file into the address box at start.
#include "BenchMaster.h"

#include <QComboBox>

using namespace vireo;
using namespace vireo::bench;

static void BM_ReadHistoryIntoBox(benchmark::State& state)
{
    BenchMaster b;
    writeList(b.path("\\items.txt"), addresses(int(state.range(0))));
    for (auto _ : state) {
        state.PauseTiming();
        b.m.controlsForTest().Combo1->clear();
        state.ResumeTiming();
        b.m.getitems();
    }
    if (b.m.controlsForTest().Combo1->count() != state.range(0))
        state.SkipWithError("the box did not get every entry");
}
BENCHMARK(BM_ReadHistoryIntoBox)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

VIREO_BENCH_MAIN()
