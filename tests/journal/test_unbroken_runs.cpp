// Runs with nowhere to break a line: which entries the editor lays out breaking anywhere.

#include "journal/UnbrokenRuns.h"

#include <QTest>

using namespace vireo;

class TestUnbrokenRuns : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void longestRun_data()
    {
        constexpr qsizetype max = UnbrokenRuns::maxWrappedRun;
        QTest::addColumn<QString>("text");
        QTest::addColumn<qsizetype>("longest");
        QTest::addColumn<bool>("anywhere");
        QTest::newRow("empty") << QString() << qsizetype(0) << false;
        // A break opportunity follows the space: "today " is one unit, "home" the next.
        QTest::newRow("prose") << QStringLiteral("today we walked home") << qsizetype(7) << false;
        QTest::newRow("a run as long as allowed") << QString(max, QLatin1Char('x')) << max << false;
        QTest::newRow("one character more")
            << QString(max + 1, QLatin1Char('x')) << max + 1 << true;
        QTest::newRow("a long run after words")
            << QStringLiteral("a few words ") + QString(max + 1, QLatin1Char('x')) << max + 1
            << true;
        // Each line and paragraph end allows a break: the halves are separate runs, the first
        // counted with the end that closes it.
        const QString half(max - 1, QLatin1Char('x'));
        QTest::newRow("halves on two lines") << half + QLatin1Char('\n') + half << max << false;
        QTest::newRow("halves in two paragraphs")
            << half + QChar(QChar::ParagraphSeparator) + half << max << false;
        // A no-break space looks blank but joins its neighbours: no place to break.
        QTest::newRow("words joined by no-break spaces")
            << QStringLiteral("ab\u00A0").repeated(max / 3 + 1) << 3 * (max / 3 + 1) << true;
        // Ideographs may break between any two, spaces or not.
        QTest::newRow("ideographs without spaces")
            << QStringLiteral("\u65E5\u672C").repeated(max) << qsizetype(1) << false;
    }
    void longestRun()
    {
        QFETCH(QString, text);
        QFETCH(qsizetype, longest);
        QFETCH(bool, anywhere);
        QCOMPARE(UnbrokenRuns::longest(text), longest);
        QCOMPARE(UnbrokenRuns::needBreakingAnywhere(text), anywhere);
    }
};

QTEST_GUILESS_MAIN(TestUnbrokenRuns)
#include "test_unbroken_runs.moc"
