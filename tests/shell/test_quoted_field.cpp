#include "shell/QuotedFieldReader.h"
#include "shell/QuotedFieldWriter.h"
#include "support/NamedPipe.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vireo;

namespace {

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// The byte-order mark that begins a file of the new form.
QByteArray newForm(const char* bytes)
{
    return QByteArray("\xEF\xBB\xBF") + bytes;
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

class TestQuotedField : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsFields_data();
    void readsFields();
    void readingPastTheEndIsAnError();
    void readsFromADevice();
    void missingFileCannotBeOpened();
    void namedPipeIsNoFile();
    void readWhole_data();
    void readWhole();
    void writesLines_data();
    void writesLines();
    void roundTrip_data();
    void roundTrip();
    void saveReplacesTheFileWhole();
    void saveToAMissingFolderFails();
    void appendAddsToTheEnd();
    void aQuoteMarksTheFile();
    void appendKeepsTheForm();
};

void TestQuotedField::readsFields_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("quoted lines") << QByteArray("\"a\"\r\n\"b\"\r\n")
                                  << QStringList{u("a"), u("b")};
    QTest::newRow("comma inside quotes") << QByteArray("\"a, b\"\r\n") << QStringList{u("a, b")};
    QTest::newRow("comma without quotes")
        << QByteArray("one, two\r\n") << QStringList{u("one"), u("two")};
    QTest::newRow("several fields on a line")
        << QByteArray("\"x\",12,-3\r\n\"y\"\r\n") << QStringList{u("x"), u("12"), u("-3"), u("y")};
    QTest::newRow("old form: lone quote cuts, rest of line skipped")
        << QByteArray("\"say \"hi\" now\"\r\n\"next\"\r\n") << QStringList{u("say "), u("next")};
    QTest::newRow("old form: skipping stops at a comma")
        << QByteArray("\"a \"b, c\"\r\n") << QStringList{u("a "), u("c\"")};
    QTest::newRow("old form: text ending in a quote, nothing after it lost")
        << QByteArray("\"x\"\"\r\n\"y\"\r\n\"z\"\r\n") << QStringList{u("x"), u("y"), u("z")};
    QTest::newRow("old form: text ending in a quote, then a comma")
        << QByteArray("\"x\"\",\"y\"\r\n") << QStringList{u("x"), u("y")};
    QTest::newRow("old form: a doubled quote also ends the field")
        << QByteArray("\"a\"\"b\"\r\n\"c\"\r\n") << QStringList{u("a"), u("c")};
    QTest::newRow("new form: doubled quote is one quote")
        << newForm("\"say \"\"hi\"\"\"\r\n\"next\"\r\n") << QStringList{u("say \"hi\""), u("next")};
    QTest::newRow("new form: quote before a comma and a line end")
        << newForm("\"a\"\",b\"\r\n\"c\"\"\r\nd\"\r\n") << QStringList{u("a\",b"), u("c\"\r\nd")};
    QTest::newRow("new form: a lone quote still ends the field")
        << newForm("\"a\"b\"\r\n\"c\"\r\n") << QStringList{u("a"), u("c")};
    QTest::newRow("new form: only a quote") << newForm("\"\"\"\"\r\n") << QStringList{u("\"")};
    QTest::newRow("new form: nothing but the mark") << newForm("") << QStringList();
    QTest::newRow("empty quoted field") << QByteArray("\"\"\r\n") << QStringList{QString()};
    QTest::newRow("empty quoted fields on a line")
        << QByteArray("\"\",\"\"\r\n") << QStringList{QString(), QString()};
    QTest::newRow("empty line") << QByteArray("\r\n") << QStringList{QString()};
    QTest::newRow("empty lines between")
        << QByteArray("\"a\"\r\n\r\n\"b\"\r\n") << QStringList{u("a"), QString(), u("b")};
    QTest::newRow("no final line end, quoted")
        << QByteArray("\"a\"\r\n\"b\"") << QStringList{u("a"), u("b")};
    QTest::newRow("no final line end, unquoted")
        << QByteArray("a\r\nb") << QStringList{u("a"), u("b")};
    QTest::newRow("leading spaces")
        << QByteArray("   \"a\"\r\n   b  \r\n") << QStringList{u("a"), u("b")};
    QTest::newRow("spaces inside quotes stay")
        << QByteArray("\"  a  \"\r\n") << QStringList{u("  a  ")};
    QTest::newRow("tabs are not spaces") << QByteArray("\ta\t\r\n") << QStringList{u("\ta\t")};
    QTest::newRow("only spaces") << QByteArray("   ") << QStringList{QString()};
    QTest::newRow("text after the closing quote skipped")
        << QByteArray("\"a\" junk,\"b\"\r\n") << QStringList{u("a"), u("b")};
    QTest::newRow("trailing comma gives an empty field")
        << QByteArray("\"a\",\r\n") << QStringList{u("a"), QString()};
    QTest::newRow("line break inside quotes")
        << QByteArray("\"a\r\nb\"\r\n\"c\"\r\n") << QStringList{u("a\r\nb"), u("c")};
    QTest::newRow("no closing quote runs to the end")
        << QByteArray("\"abc\r\ndef") << QStringList{u("abc\r\ndef")};
    QTest::newRow("lone LF ends a line")
        << QByteArray("\"a\"\n\"b\"\nc\n") << QStringList{u("a"), u("b"), u("c")};
    QTest::newRow("lone CR ends a line")
        << QByteArray("a\rb\r\"c\"\r") << QStringList{u("a"), u("b"), u("c")};
    QTest::newRow("LF CR is two line ends")
        << QByteArray("a\n\rb") << QStringList{u("a"), QString(), u("b")};
    QTest::newRow("UTF-8") << QByteArray("\"caf\xC3\xA9 \xE2\x82\xAC\"\r\n")
                           << QStringList{u("caf\xC3\xA9 \xE2\x82\xAC")};
    QTest::newRow("UTF-8 with byte-order mark")
        << QByteArray("\xEF\xBB\xBF\"\xC3\xA9\"\r\n") << QStringList{u("\xC3\xA9")};
    QTest::newRow("Windows-1252") << QByteArray("\"caf\xE9 \x80 \x93q\x94\"\r\n")
                                  << QStringList{
                                         u("caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D")};
    QTest::newRow("encoding decided per field")
        << QByteArray("\"caf\xC3\xA9\"\r\n\"caf\xE9\",\"\xE2\x82\xAC\"\r\nna\xEFve\r\n")
        << QStringList{u("caf\xC3\xA9"), u("caf\xC3\xA9"), u("\xE2\x82\xAC"), u("na\xC3\xAFve")};
    QTest::newRow("UTF-8 cut off at the end is Windows-1252")
        << QByteArray("\"a\"\r\n\xC3") << QStringList{u("a"), u("\xC3\x83")};
    QTest::newRow("a NUL byte is kept")
        << QByteArray("\"a\0b\"\r\n", 7)
        << QStringList{QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b"))};
}

void TestQuotedField::readsFields()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, fields);
    QuotedFieldReader reader(bytes);
    QCOMPARE(reader.readAll(), fields);
    QVERIFY(reader.atEnd());
}

void TestQuotedField::readingPastTheEndIsAnError()
{
    QuotedFieldReader reader(QByteArray("\"a\"\r\n"));
    QVERIFY(!reader.atEnd());
    QCOMPARE(reader.readField(), std::optional<QString>(u("a")));
    QVERIFY(reader.atEnd());
    QCOMPARE(reader.readField(), std::nullopt);

    QuotedFieldReader empty{QByteArray()};
    QVERIFY(empty.atEnd());
    QCOMPARE(empty.readField(), std::nullopt);
}

void TestQuotedField::readsFromADevice()
{
    QByteArray bytes("\"a,b\"\r\nc\r\n");
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QCOMPARE(QuotedFieldReader::fromDevice(buffer).readAll(), (QStringList{u("a,b"), u("c")}));
}

void TestQuotedField::missingFileCannotBeOpened()
{
    QTemporaryDir dir;
    QVERIFY(!QuotedFieldReader::open(dir.filePath(QStringLiteral("none.txt"))));
    QVERIFY(!QuotedFieldReader::open(dir.path()));
}

void TestQuotedField::namedPipeIsNoFile()
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("items.txt"));
    QVERIFY(test::makeNamedPipe(pipe));
    bool opened = true;
    QVERIFY(
        test::returnsPromptly(pipe, [&] { opened = QuotedFieldReader::open(pipe).has_value(); }));
    QVERIFY(!opened);
    QuotedFieldWriter writer;
    writer.writeText(u("a"));
    QVERIFY(test::returnsPromptly(pipe, [&] { opened = writer.appendTo(pipe); }));
    QVERIFY(!opened);
}

void TestQuotedField::readWhole_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("whole");
    QTest::newRow("quoted and unquoted fields") << QByteArray("\"a\",1\r\nb\r\n") << true;
    QTest::newRow("spaces before a field") << QByteArray("  \"a\"\r\n") << true;
    QTest::newRow("new form with quotes") << newForm("\"a\"\"\"\r\n") << true;
    QTest::newRow("text after the closing quote") << QByteArray("\"a\"b\r\n") << false;
    QTest::newRow("nothing but quotes") << QByteArray(1000, '"') << false;
    QTest::newRow("no closing quote") << QByteArray("\"a\r\n\"b\r\n") << false;
}

void TestQuotedField::readWhole()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, whole);
    QuotedFieldReader reader(bytes);
    reader.readAll();
    QCOMPARE(reader.readWhole(), whole);
}

void TestQuotedField::writesLines_data()
{
    QTest::addColumn<QList<QuotedFieldWriter::Field>>("fields");
    QTest::addColumn<QByteArray>("bytes");
    using F = QuotedFieldWriter::Field;
    QTest::newRow("one text") << QList<F>{F(u("a"))} << QByteArray("\"a\"\r\n");
    QTest::newRow("empty text") << QList<F>{F(QString())} << QByteArray("\"\"\r\n");
    QTest::newRow("texts and numbers")
        << QList<F>{F(u("x")), F(12LL), F(-3LL), F(u("y"))} << QByteArray("\"x\",12,-3,\"y\"\r\n");
    QTest::newRow("line break kept inside quotes")
        << QList<F>{F(u("a\r\nb"))} << QByteArray("\"a\r\nb\"\r\n");
    QTest::newRow("UTF-8") << QList<F>{F(u("\xE2\x82\xAC"))} << QByteArray("\"\xE2\x82\xAC\"\r\n");
}

void TestQuotedField::writesLines()
{
    QFETCH(QList<QuotedFieldWriter::Field>, fields);
    QFETCH(QByteArray, bytes);
    QuotedFieldWriter writer;
    // One write operation with all the fields, then the same again: two lines.
    for (int pass = 0; pass < 2; ++pass) {
        switch (fields.size()) {
        case 1:
            writer.write({fields[0]});
            break;
        case 4:
            writer.write({fields[0], fields[1], fields[2], fields[3]});
            break;
        default:
            QFAIL("unexpected row");
        }
    }
    QCOMPARE(writer.bytes(), bytes + bytes);
}

void TestQuotedField::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << u("http://example.com/");
    QTest::newRow("comma") << u("a, b, c");
    QTest::newRow("quote inside") << u("say \"hi\" now");
    QTest::newRow("quotes at both ends") << u("\"quoted\"");
    QTest::newRow("a lone quote") << u("\"");
    QTest::newRow("two quotes") << u("\"\"");
    QTest::newRow("quote then line end") << u("a\"\r\nb");
    QTest::newRow("quote then comma") << u("a\",b");
    QTest::newRow("quote at the start") << u("\"a");
    QTest::newRow("quote at the end") << u("a\"");
    QTest::newRow("quote, comma, quote") << u("\",\"");
    QTest::newRow("line breaks") << u("one\r\ntwo\nthree\rfour");
    QTest::newRow("spaces around") << u("  padded  ");
    QTest::newRow("empty") << QString();
    QTest::newRow("non-Latin") << u(
        "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xF0\x9F\x98\x80");
}

void TestQuotedField::roundTrip()
{
    QFETCH(QString, text);
    QuotedFieldWriter writer;
    writer.writeText(text);
    writer.write({QuotedFieldWriter::Field(text), QuotedFieldWriter::Field(-7LL)});
    writer.writeText(u("after"));
    QuotedFieldReader reader(writer.bytes());
    QCOMPARE(reader.readAll(), (QStringList{text, text, u("-7"), u("after")}));
}

void TestQuotedField::saveReplacesTheFileWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.txt"));
    QuotedFieldWriter first;
    first.writeText(u("old entry that is longer"));
    QVERIFY(first.saveTo(path));
    QuotedFieldWriter second;
    second.writeText(u("new"));
    QVERIFY(second.saveTo(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\"new\"\r\n"));
    // Nothing of the temporary file is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u("list.txt")});
}

void TestQuotedField::saveToAMissingFolderFails()
{
    QTemporaryDir dir;
    QuotedFieldWriter writer;
    writer.writeText(u("a"));
    QVERIFY(!writer.saveTo(dir.filePath(QStringLiteral("missing/list.txt"))));
    QVERIFY(!writer.appendTo(dir.filePath(QStringLiteral("missing/list.txt"))));
}

void TestQuotedField::appendAddsToTheEnd()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log.txt"));
    QuotedFieldWriter a;
    a.writeText(u("a"));
    QVERIFY(a.appendTo(path)); // creates the file
    QuotedFieldWriter b;
    b.writeText(u("b"));
    QVERIFY(b.appendTo(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\"a\"\r\n\"b\"\r\n"));
}

void TestQuotedField::aQuoteMarksTheFile()
{
    QuotedFieldWriter plain;
    plain.writeText(u("a"));
    QVERIFY(!plain.needsNewFormMark());
    QCOMPARE(plain.bytes(), QByteArray("\"a\"\r\n"));

    QuotedFieldWriter quoted;
    quoted.writeText(u("a"));
    quoted.writeText(u("x\""));
    QVERIFY(quoted.needsNewFormMark());
    QCOMPARE(quoted.bytes(), newForm("\"a\"\r\n\"x\"\"\"\r\n"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.txt"));
    QVERIFY(quoted.saveTo(path));
    QCOMPARE(contentOf(path), quoted.bytes());
    QCOMPARE(QuotedFieldReader::open(path)->readAll(), (QStringList{u("a"), u("x\"")}));
}

void TestQuotedField::appendKeepsTheForm()
{
    QTemporaryDir dir;
    QuotedFieldWriter quoted;
    quoted.writeText(u("q\""));
    QuotedFieldWriter plain;
    plain.writeText(u("p"));

    // A new file gets the mark with its first quote; a marked file takes both kinds.
    const QString marked = dir.filePath(QStringLiteral("marked.txt"));
    QVERIFY(quoted.appendTo(marked));
    QVERIFY(plain.appendTo(marked));
    QVERIFY(quoted.appendTo(marked));
    QCOMPARE(QuotedFieldReader::open(marked)->readAll(), (QStringList{u("q\""), u("p"), u("q\"")}));

    // A file of the old form is never given a quote it would read differently.
    const QString old = dir.filePath(QStringLiteral("old.txt"));
    QVERIFY(plain.appendTo(old));
    QVERIFY(!quoted.appendTo(old));
    QCOMPARE(contentOf(old), QByteArray("\"p\"\r\n"));
}

QTEST_GUILESS_MAIN(TestQuotedField)
#include "test_quoted_field.moc"
