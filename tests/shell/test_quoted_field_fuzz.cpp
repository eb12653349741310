// Runs the fuzz target's entry over the stored corpus and a few hand-made inputs, so the
// ordinary build checks what the fuzzer checks. A failing input aborts the test.
#include "support/FuzzCorpus.h"

#include <QTest>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

class TestQuotedFieldFuzz : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void survivesInput_data();
    void survivesInput();
};

void TestQuotedFieldFuzz::survivesInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    if (!vireo::test::addCorpusRows(QStringLiteral(VIREO_FUZZ_CORPUS)))
        return;
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("one quote") << QByteArray("\"");
    QTest::newRow("quotes only") << QByteArray(1001, '"');
    QTest::newRow("commas only") << QByteArray(1000, ',');
    QTest::newRow("line ends only") << QByteArray("\r\r\n\n\r\n\r");
    QTest::newRow("spaces then quote") << QByteArray("     \"");
    QTest::newRow("long unterminated") << QByteArray("\"") + QByteArray(100000, 'x');
    QTest::newRow("every byte") << [] {
        QByteArray all;
        for (int i = 0; i < 256; ++i)
            all.append(char(i));
        return all;
    }();
    QTest::newRow("byte-order mark alone") << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("encoded surrogate") << QByteArray("\"\xED\xA0\x80\"");
}

void TestQuotedFieldFuzz::survivesInput()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                    std::size_t(bytes.size())),
             0);
}

QTEST_GUILESS_MAIN(TestQuotedFieldFuzz)
#include "test_quoted_field_fuzz.moc"
