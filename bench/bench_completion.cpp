// One keystroke in the address box: key-down, the edit, completion against the history.
#include "BenchMaster.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTest>

using namespace vireo;
using namespace vireo::bench;

namespace {

// Types `key` after `typed`, the box holding `entries` history entries.
void keystroke(benchmark::State& state, const QString& typed, char key, bool expectFound)
{
    BenchMaster b;
    writeList(b.path("\\items.txt"), addresses(int(state.range(0))));
    b.m.getitems();
    b.m.show();
    QLineEdit* edit = b.m.controlsForTest().Combo1->lineEdit();
    for (auto _ : state) {
        state.PauseTiming();
        {
            const QSignalBlocker blocker(b.m.controlsForTest().Combo1);
            b.m.controlsForTest().Combo1->setCurrentIndex(-1);
            b.m.controlsForTest().Combo1->setEditText(typed);
        }
        edit->setCursorPosition(int(typed.size()));
        state.ResumeTiming();
        QTest::keyClick(b.m.controlsForTest().Combo1, key);
    }
    const bool found = b.m.controlsForTest().Combo1->currentIndex() >= 0;
    if (found != expectFound)
        state.SkipWithError("unexpected completion result");
}

} // namespace

// The prefix of one entry near the end of the list.
static void BM_KeystrokeCompletesOneEntry(benchmark::State& state)
{
    const int n = int(state.range(0));
    const QString last = addresses(n).last();
    keystroke(state, last.left(last.size() - 6), last.at(last.size() - 6).toLatin1(), true);
}

// Nothing in the history begins with the text.
static void BM_KeystrokeFindsNothing(benchmark::State& state)
{
    keystroke(state, QStringLiteral("http://www.kids"), 'q', false);
}

// Every entry begins with the text.
static void BM_KeystrokeCommonPrefix(benchmark::State& state)
{
    keystroke(state, QStringLiteral("htt"), 'p', true);
}

// For comparison: the combo box's own search, walking the model.
static void BM_QComboBoxFindText(benchmark::State& state)
{
    BenchMaster b;
    writeList(b.path("\\items.txt"), addresses(int(state.range(0))));
    b.m.getitems();
    for (auto _ : state)
        benchmark::DoNotOptimize(b.m.controlsForTest().Combo1->findText(
            QStringLiteral("http://www.kidsq"), Qt::MatchStartsWith));
}

BENCHMARK(BM_KeystrokeCompletesOneEntry)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeystrokeFindsNothing)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeystrokeCommonPrefix)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QComboBoxFindText)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

VIREO_BENCH_MAIN()
