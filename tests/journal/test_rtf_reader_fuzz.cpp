// Runs the fuzz target's entry over the stored corpus and a few hand-made inputs, so the
// ordinary build checks what the fuzzer checks. A failing input aborts the test.
#include "support/FuzzCorpus.h"

#include <QTest>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

class TestRtfReaderFuzz : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void survivesInput_data();
    void survivesInput();
};

void TestRtfReaderFuzz::survivesInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    if (!vireo::test::addCorpusRows(QStringLiteral(VIREO_FUZZ_CORPUS)))
        return;
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("header only") << QByteArray("{\\rtf");
    QTest::newRow("braces only") << QByteArray("{\\rtf1 ") + QByteArray(5000, '{');
    QTest::newRow("closing braces only") << QByteArray("{\\rtf1 ") + QByteArray(5000, '}');
    QTest::newRow("backslashes only") << QByteArray("{\\rtf1 ") + QByteArray(5001, '\\');
    QTest::newRow("every byte") << [] {
        QByteArray all("{\\rtf1 ");
        for (int i = 0; i < 256; ++i)
            all.append(char(i));
        return all;
    }();
    QTest::newRow("lone surrogates") << QByteArray("{\\rtf1 \\u-10179?a\\u-8704?}");
    QTest::newRow("semicolon in a font name") << QByteArray("{\\rtf1{\\fonttbl{\\f0 a\\'3bb;}}x}");
    QTest::newRow("control character before a blank in a font name")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 \\'01 a;}}\\f0 x}");
    QTest::newRow("multi-byte code page cut") << QByteArray("{\\rtf1\\ansicpg932 \\'82}");
}

void TestRtfReaderFuzz::survivesInput()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                    std::size_t(bytes.size())),
             0);
}

QTEST_GUILESS_MAIN(TestRtfReaderFuzz)
#include "test_rtf_reader_fuzz.moc"
