// Runs the fuzz target's entry over the stored corpus and buffers that have broken parsers
// before, so the ordinary build checks what the fuzzer checks. A failing input aborts the test.
#include "AudioFiles.h"

#include "support/FuzzCorpus.h"

#include <QTest>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

class TestTagReaderFuzz : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void buffers_data();
    void buffers();
};

void TestTagReaderFuzz::buffers_data()
{
    QTest::addColumn<QByteArray>("bytes");
    if (!vireo::test::addCorpusRows(QStringLiteral(VIREO_FUZZ_CORPUS)))
        return;
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("marker only") << QByteArray("TAG");
    QTest::newRow("127 bytes with marker") << vireo::test::id3v1("x").left(127);
    QTest::newRow("all 0xFF") << QByteArray(128, '\xFF');
    QTest::newRow("marker, then all NUL") << QByteArray("TAG") + QByteArray(125, '\0');
    QTest::newRow("marker, high bytes, genre 255") << QByteArray("TAG") + QByteArray(125, '\x9F');
    QTest::newRow("long file, tag at end")
        << QByteArray(5000, 'a') + vireo::test::id3v1("t", "a", "b", "2000", "c", 147);
    QTest::newRow("tag twice") << vireo::test::id3v1("one") + vireo::test::id3v1("two");
}

void TestTagReaderFuzz::buffers()
{
    QFETCH(QByteArray, bytes);
    // The entry aborts on a broken promise; returning 0 is the pass.
    QCOMPARE(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                    static_cast<size_t>(bytes.size())),
             0);
}

QTEST_GUILESS_MAIN(TestTagReaderFuzz)
#include "test_tag_reader_fuzz.moc"
