// One status change writing the browsing log, with the earlier entries already on disk.
#include "BenchMaster.h"

#include <QComboBox>

using namespace vireo;
using namespace vireo::bench;

static void BM_StatusTextLogWrite(benchmark::State& state)
{
    BenchMaster b;
    const QStringList visited = addresses(int(state.range(0)));
    writeList(b.path("\\log.txt"), visited);
    b.m.ggetitems();
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // The title change before it adds one address.
        b.m.controlsForTest().Combo9->addItem(visited.at(i++ % visited.size()));
        state.ResumeTiming();
        b.m.aadditems();
    }
    if (b.m.browsingLog().lastWrite() != BrowsingLog::Write::Appended)
        state.SkipWithError("the log was not appended to");
}
BENCHMARK(BM_StatusTextLogWrite)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// For comparison: the whole file written again each time.
static void BM_FullLogRewrite(benchmark::State& state)
{
    BenchMaster b;
    const QStringList visited = addresses(int(state.range(0)));
    for (auto _ : state)
        writeList(b.path("\\log.txt"), visited);
}
BENCHMARK(BM_FullLogRewrite)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

VIREO_BENCH_MAIN()
