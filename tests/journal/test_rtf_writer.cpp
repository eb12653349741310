// What the writer puts in the file: 7-bit ASCII, characters as \'hh or \uN?, the tables in
// the header. That every format reads back is the round-trip test's job.
#include "journal/RtfWriter.h"

#include <QImage>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

using namespace vireo;

namespace {

bool isSevenBit(const QByteArray& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

QByteArray written(const QString& text)
{
    QTextDocument document;
    QTextCursor(&document).insertText(text);
    return writeRtf(document);
}

} // namespace

class TestRtfWriter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void characters_data();
    void characters();
    void header();
    void eachFontAndColourOnce();
    void imagesLeftOut();
};

void TestRtfWriter::characters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("rtf");

    QTest::newRow("Latin-1 letter") << QStringLiteral("\u00E9") << QByteArray("\\'e9");
    QTest::newRow("Windows-1252 beyond Latin-1")
        << QStringLiteral("\u20AC\u201C") << QByteArray("\\'80\\'93");
    QTest::newRow("Cyrillic") << QStringLiteral("\u041F") << QByteArray("\\u1055?");
    QTest::newRow("check mark") << QStringLiteral("\u2713") << QByteArray("\\u10003?");
    QTest::newRow("above 32767 is negative") << QStringLiteral("\uFFFD") << QByteArray("\\u-3?");
    QTest::newRow("surrogate pair")
        << QStringLiteral("\U0001F600") << QByteArray("\\u-10179?\\u-8704?");
    QTest::newRow("control character of Latin-1")
        << QStringLiteral("\u0081") << QByteArray("\\u129?");
    QTest::newRow("RTF's own characters") << QStringLiteral("\\{}") << QByteArray("\\\\\\{\\}");
    QTest::newRow("tab and line break")
        << QStringLiteral("a\tb\u2028c") << QByteArray("a\\tab b\\line c");
    QTest::newRow("no-break space and hyphens")
        << QStringLiteral("\u00A0\u00AD\u2011") << QByteArray("\\~\\-\\_");
}

void TestRtfWriter::characters()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, rtf);
    const QByteArray out = written(text);
    QVERIFY(isSevenBit(out));
    QVERIFY2(out.contains(rtf), out.constData());
}

void TestRtfWriter::header()
{
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    QTextCursor(&document).insertText(QStringLiteral("x"));
    const QByteArray out = writeRtf(document);
    QVERIFY2(out.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"), out.constData());
    QVERIFY(out.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 DejaVu Sans;}}"));
    QVERIFY(out.contains("{\\colortbl ;}"));
    QVERIFY(out.contains("\\uc1"));
    QVERIFY(out.contains("\\fs20 x\\par"));
    QVERIFY(out.endsWith("}\n"));
}

void TestRtfWriter::eachFontAndColourOnce()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    QTextCharFormat redOnMono = red;
    redOnMono.setFontFamilies({QStringLiteral("Courier New")});
    QTextCharFormat redBackground;
    redBackground.setBackground(QColor(255, 0, 0));
    cursor.insertText(QStringLiteral("a"), red);
    cursor.insertText(QStringLiteral("b"), redOnMono);
    cursor.insertText(QStringLiteral("c"), red);
    cursor.insertText(QStringLiteral("d"), redBackground);
    cursor.insertText(QStringLiteral("e"), redOnMono);
    const QByteArray out = writeRtf(document);
    QCOMPARE(out.count("\\red255\\green0\\blue0;"), 1);
    QCOMPARE(out.count("Courier New;"), 1);
    QVERIFY2(out.contains("{\\colortbl ;\\red255\\green0\\blue0;}"), out.constData());
}

void TestRtfWriter::imagesLeftOut()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("before "));
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("mem:dot")), image);
    cursor.insertImage(QStringLiteral("mem:dot"));
    cursor.insertText(QStringLiteral(" after"));
    const QByteArray out = writeRtf(document);
    QVERIFY(isSevenBit(out));
    QVERIFY2(out.contains("before  after\\par"), out.constData());
}

QTEST_MAIN(TestRtfWriter)
#include "test_rtf_writer.moc"
