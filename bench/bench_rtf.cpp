// The RTF reader and writer on a 1 MB journal entry of mixed formatting: runs of bold,
// italic, underlined, coloured, highlighted and resized text in two fonts, paragraphs of
// every alignment and spacing, accented and Cyrillic letters, tabs and line breaks.
#include "journal/RtfReader.h"
#include "journal/RtfWriter.h"

#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype entryBytes = 1 << 20;

QTextCharFormat runFormat(int i)
{
    QTextCharFormat f;
    switch (i % 9) {
    case 1:
        f.setFontWeight(QFont::Bold);
        break;
    case 2:
        f.setFontItalic(true);
        break;
    case 3:
        f.setFontUnderline(true);
        break;
    case 4:
        f.setForeground(QColor(200, 30, 30));
        break;
    case 5:
        f.setBackground(QColor(Qt::yellow));
        break;
    case 6:
        f.setFontFamilies({QStringLiteral("Courier New")});
        f.setFontPointSize(10);
        break;
    case 7:
        f.setFontPointSize(16);
        f.setFontWeight(QFont::Bold);
        break;
    case 8:
        f.setFontStrikeOut(true);
        break;
    default:
        break;
    }
    return f;
}

QTextBlockFormat paragraphFormat(int i)
{
    QTextBlockFormat b;
    b.setAlignment(i % 4 == 1 ? Qt::AlignHCenter : i % 4 == 2 ? Qt::AlignRight : Qt::AlignLeft);
    b.setBottomMargin(i % 3 * 4);
    if (i % 5 == 0)
        b.setLineHeight(150, QTextBlockFormat::ProportionalHeight);
    return b;
}

// A document whose RTF is about entryBytes long.
void fillEntry(QTextDocument& document)
{
    static const QString words[] = {
        QStringLiteral("Today "),
        QStringLiteral("we went to the caf\u00E9 "),
        QStringLiteral("and I paid \u20AC4 "),
        QStringLiteral("for a na\u00EFve cake; "),
        QStringLiteral("\u041F\u0440\u0438\u0432\u0435\u0442 "),
        QStringLiteral("said Olga.\t"),
        QStringLiteral("Then the bus was late"),
        QStringLiteral("\u2028"),
        QStringLiteral("so we walked home {slowly} "),
        QStringLiteral("in the rain. "),
    };
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    int run = 0;
    for (int paragraph = 0;; ++paragraph) {
        if (paragraph > 0)
            cursor.insertBlock(paragraphFormat(paragraph));
        for (int i = 0; i < 14; ++i, ++run)
            cursor.insertText(words[run % std::size(words)], runFormat(run * 7 % 11));
        // Checking the size is costly: only now and then.
        if (paragraph % 200 == 199 && vireo::writeRtf(document).size() >= entryBytes)
            break;
    }
    cursor.endEditBlock();
}

void BM_WriteEntry(benchmark::State& state)
{
    QTextDocument document;
    fillEntry(document);
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray rtf = vireo::writeRtf(document);
        bytes = rtf.size();
        benchmark::DoNotOptimize(rtf.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["rtf_bytes"] = double(bytes);
    state.counters["characters"] = document.characterCount();
}
BENCHMARK(BM_WriteEntry)->Unit(benchmark::kMillisecond);

void BM_ReadEntry(benchmark::State& state)
{
    QTextDocument source;
    fillEntry(source);
    const QByteArray rtf = vireo::writeRtf(source);
    for (auto _ : state) {
        QTextDocument document;
        if (vireo::readRtf(rtf, document).status != vireo::RtfReadStatus::Complete)
            state.SkipWithError("the entry did not read whole");
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
    state.counters["rtf_bytes"] = double(rtf.size());
}
BENCHMARK(BM_ReadEntry)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts need it
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
