// Opening a journal entry just under the 4 MiB cap in the journal window, laid out in full: the
// worst entries the window opens. One is a single run of characters with nowhere to break a line
// (laid out breaking anywhere), one is runs as long as word wrapping takes, a space apart, and
// one is ordinary prose of the same size. Each iteration opens the window on the entry, as the
// launcher does, and waits for the whole entry to be laid out.
#include "BenchMaster.h"
#include "RegisterWindows.h"
#include "journal/JournalEntries.h"
#include "journal/UnbrokenRuns.h"
#include "journal/frmjournal.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QMdiSubWindow>
#include <QTextEdit>

namespace {

using vireo::JournalEntries;
using vireo::UnbrokenRuns;

constexpr qsizetype entryBytes = JournalEntries::maxEntryBytes - 64;

enum class Text { OneRun, LongestWrappedRuns, Prose };

QByteArray entry(Text text)
{
    QByteArray body;
    body.reserve(entryBytes);
    switch (text) {
    case Text::OneRun:
        body.fill('x', entryBytes);
        break;
    case Text::LongestWrappedRuns:
        while (body.size() < entryBytes)
            body += QByteArray(UnbrokenRuns::maxWrappedRun - 1, 'x') + ' ';
        break;
    case Text::Prose:
        while (body.size() < entryBytes)
            body += "today we walked home in the rain ";
        break;
    }
    body.truncate(entryBytes);
    return "{\\rtf1\\ansi " + body + "}";
}

void BM_OpenEntry(benchmark::State& state)
{
    const auto text = Text(state.range(0));
    vireo::bench::BenchMaster b;
    vireo::registerWindows(b.app);
    b.app.today = QDate(2000, 1, 5);
    b.settings.write(QStringLiteral("vro"), QStringLiteral("settings"), QStringLiteral("7"),
                     QStringLiteral("0"));
    const JournalEntries entries(b.app.folder());
    const QByteArray rtf = entry(text);
    {
        QFile file(entries.path(entries.entryName(b.app.today)));
        if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size())
            state.SkipWithError("cannot write the entry");
    }
    b.m.show();
    int mode = 0;
    qsizetype characters = 0;
    for (auto _ : state) {
        b.app.journal();
        auto* journal = dynamic_cast<vireo::frmjournal*>(b.app.openWindow(b.app.journalKind));
        if (!journal) {
            state.SkipWithError("the journal did not open");
            break;
        }
        const QSizeF size = journal->journaltext->document()->documentLayout()->documentSize();
        benchmark::DoNotOptimize(size);
        mode = int(journal->journaltext->wordWrapMode());
        characters = journal->journaltext->document()->characterCount();
        state.PauseTiming();
        delete journal->parentWidget(); // its MDI child window
        state.ResumeTiming();
    }
    state.counters["rtf_bytes"] = double(rtf.size());
    state.counters["characters"] = double(characters);
    state.counters["wraps_anywhere"] = mode == int(QTextOption::WrapAnywhere);
}
BENCHMARK(BM_OpenEntry)
    ->ArgName("one_run")
    ->Arg(int(Text::OneRun))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK(BM_OpenEntry)
    ->ArgName("runs_of_999")
    ->Arg(int(Text::LongestWrappedRuns))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK(BM_OpenEntry)
    ->ArgName("prose")
    ->Arg(int(Text::Prose))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

} // namespace

VIREO_BENCH_MAIN()
