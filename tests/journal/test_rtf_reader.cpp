// The reader: files as other editors write them, each control word it knows, what it skips,
// code pages, the bounds that end reading early, and text that is not RTF.
#include "journal/RtfReader.h"
#include "support/DescribeDocument.h"

#include <QFile>
#include <QTest>
#include <QTextCursor>

using namespace vireo;
using vireo::test::describe;

namespace {

QByteArray fixture(const char* name)
{
    QFile file(QStringLiteral(VIREO_RTF_FIXTURES "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class TestRtfReader : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void otherEditors_data();
    void otherEditors();
    void controlWords_data();
    void controlWords();
    void codePages_data();
    void codePages();
    void bounds_data();
    void bounds();
    void notRtf_data();
    void notRtf();
    void loadsAsAFreshFile_data();
    void loadsAsAFreshFile();
};

void TestRtfReader::otherEditors_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    // Code page 1252 with \'hh, a Cyrillic font charset, \uN, highlight, 1.15 line spacing,
    // CR LF line ends and the NUL byte after the last brace.
    const QString wordpad = QStringLiteral("[after=13.3333 line=115%] ");
    const QString calibri = QStringLiteral("<Calibri 11pt>");
    QTest::newRow("WordPad")
        << fixture("wordpad.rtf")
        << wordpad + calibri + QStringLiteral("Caf\u00E9 au lait, na\u00EFve r\u00E9sum\u00E9\n") +
               QStringLiteral("[centre after=13.3333 line=115%] "
                              "<Calibri 11pt b>Bold|<Calibri 11pt> and |"
                              "<Calibri 11pt i>italic|<Calibri 11pt> and |"
                              "<Calibri 11pt u>underlined|<Calibri 11pt> and |"
                              "<Calibri 11pt s>struck\n") +
               wordpad +
               QStringLiteral("<Calibri 11pt fg=#ff0000>Red|<Calibri 11pt> text, |"
                              "<Calibri 11pt bg=#ffff00>highlighted|"
                              "<Calibri 11pt>, |<Courier New 14pt>Courier 14\n") +
               wordpad + calibri +
               QStringLiteral("\u041F\u0440\u0438\u0432\u0435\u0442 \u20AC \u2713\n") + wordpad +
               calibri + QStringLiteral("Tab\tstop\u2028new line");
    // A style sheet, document information, a generator, page styles and footnote separators
    // to skip; \uN with \'3f stand-ins, associated fonts, \plain before every paragraph.
    QTest::newRow("LibreOffice")
        << fixture("libreoffice.rtf")
        << QStringLiteral("[centre after=9.33333] <Liberation Serif b>Title\n"
                          "[after=9.33333] <Liberation Serif>Greek \u03B1\u03B2, Japanese "
                          "\u65E5\u672C and \u201Cquoted\u201D\n"
                          "[after=9.33333] <Liberation Sans fg=#0000ff>Blue sans|"
                          "<Liberation Serif bg=#ffff00> on yellow");
    // Pictures in hex and in \bin data, a field, an object with its result.
    QTest::newRow("pictures, a field and an object")
        << fixture("pict_field.rtf")
        << QStringLiteral(
               "<Arial 10pt>Before picture after picture.\n"
               "<Arial 10pt>See |<Arial 10pt u fg=#0563c1>our site|<Arial 10pt> for more.\n"
               "<Arial 10pt>Done\n"
               "<Arial 10pt>Shown result\n"
               "<Arial 10pt>after binary");
}

void TestRtfReader::otherEditors()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QVERIFY(!bytes.isEmpty());
    QTextDocument document;
    QCOMPARE(readRtf(bytes, document).status, RtfReadStatus::Complete);
    QCOMPARE(describe(document), expected);
}

void TestRtfReader::controlWords_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char* name, const char* body, const QString& expected) {
        QTest::newRow(name) << QByteArray(body) << expected;
    };
    row("text", "Hello", QStringLiteral("Hello"));
    row("bold", "a\\b b\\b0 c\\b1 d", QStringLiteral("a|<b>b|c|<b>d"));
    row("italic", "\\i x\\i0 y", QStringLiteral("<i>x|y"));
    row("underlines", "\\ul a\\ulnone b\\uld c\\ul0 d\\ulwave e\\uldb f\\uldash g",
        QStringLiteral("<u>a|b|<u3>c|d|<u6>e|<u>f|<u2>g"));
    row("strike-out", "\\strike x\\strike0 y\\striked1 z", QStringLiteral("<s>x|y|<s>z"));
    row("font sizes", "\\fs32 big\\fs17 odd\\fs0 zero\\fs999999 huge",
        QStringLiteral("<16pt>big|<8.5pt>odd|zero|<1638pt>huge"));
    row("font table", "{\\fonttbl{\\f0 Arial;}{\\f1\\froman Times New Roman;}}\\f1 serif\\f0 sans",
        QStringLiteral("<Times New Roman>serif|<Arial>sans"));
    row("font table without groups",
        "{\\fonttbl\\f0\\fswiss Arial;\\f1\\fmodern Courier New;}\\f1 x",
        QStringLiteral("<Courier New>x"));
    row("default font", "\\deff1{\\fonttbl{\\f0 Arial;}{\\f1 Georgia;}}x\\f0 y\\plain z",
        QStringLiteral("<Georgia>x|<Arial>y|<Georgia>z"));
    row("control characters in a font name", "{\\fonttbl{\\f0 \\'01 Arial\\'1a;}}\\f0 x",
        QStringLiteral("<Arial>x"));
    // The writer leaves such marks out: a blank they hid would come back at the name's end.
    row("object and paragraph marks in a font name",
        "{\\fonttbl{\\f0 \\u-4?Arial \\u8233?\\u-4?;}}\\f0 x", QStringLiteral("<Arial>x"));
    row("font not in the table", "{\\fonttbl{\\f0 Arial;}}\\f7 x", QStringLiteral("x"));
    row("colours",
        "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
        "\\cf1 red\\cf2\\cb1 blue on red\\cf0\\cb0 auto",
        QStringLiteral("<fg=#ff0000>red|<fg=#0000ff bg=#ff0000>blue on red|auto"));
    row("background words",
        "{\\colortbl;\\red255\\green255\\blue0;}\\highlight1 a\\highlight0 b\\chcbpat1 c",
        QStringLiteral("<bg=#ffff00>a|b|<bg=#ffff00>c"));
    row("colour not in the table", "{\\colortbl;\\red1\\green2\\blue3;}\\cf9 x",
        QStringLiteral("x"));
    row("plain resets characters", "\\b\\i\\ul\\fs40 x\\plain y",
        QStringLiteral("<20pt b i u>x|y"));
    row("groups restore", "a{\\b b{\\i c}d}e", QStringLiteral("a|<b>b|<b i>c|<b>d|e"));
    row("pard resets paragraphs", "\\qc a\\par\\pard b", QStringLiteral("[centre] a\nb"));
    row("alignments", "\\qr r\\par\\qj j\\par\\qc c\\par\\ql l",
        QStringLiteral("[right] r\n[justify] j\n[centre] c\nl"));
    row("spacing and indents", "\\sb120\\sa240\\li600\\ri300\\fi-150 x",
        QStringLiteral("[before=8 after=16 left=40 right=20 first=-10] x"));
    row("line spacing",
        "\\sl360\\slmult1 a\\par\\sl-300 b\\par\\sl450\\slmult0 c\\par\\sl240\\slmult1 d",
        QStringLiteral("[line=150%] a\n[line=exactly 20] b\n[line=at least 30] c\nd"));
    row("a paragraph takes the format at its mark", "{\\qc a\\par}b\\par{\\qc c}\\par",
        QStringLiteral("[centre] a\nb\nc"));
    row("the last paragraph needs no mark", "a\\par\\qc b", QStringLiteral("a\n[centre] b"));
    row("the last mark makes no empty paragraph", "a\\par", QStringLiteral("a"));
    row("empty paragraphs", "\\par a\\par\\par", QStringLiteral("\na\n"));
    row("line break and tab", "a\\line b\\tab c", QStringLiteral("a\u2028b\tc"));
    row("special characters",
        "\\~\\-\\_\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet",
        QStringLiteral("\u00A0\u00AD\u2011\u2014\u2013\u2018\u2019\u201C\u201D\u2022"));
    row("escaped RTF characters", "\\\\\\{\\}", QStringLiteral("\\{}"));
    row("Windows-1252 bytes", "\\'e9\\'80\\'93\\'81", QStringLiteral("\u00E9\u20AC\u201C\u0081"));
    row("Unicode with a stand-in", "\\u233?x", QStringLiteral("\u00E9x"));
    row("Unicode above 32767", "\\u-10179?\\u-8704?", QStringLiteral("\U0001F600"));
    row("no stand-ins", "\\uc0\\u233 x", QStringLiteral("\u00E9x"));
    row("two-byte stand-ins", "\\uc2\\u233\\'e9\\'e9x", QStringLiteral("\u00E9x"));
    row("stand-ins counted in text", "\\uc3\\u233 ab cd", QStringLiteral("\u00E9cd"));
    row("stand-ins end with the group", "\\uc2\\u233{x}", QStringLiteral("\u00E9x"));
    row("stand-in count restored", "{\\uc2\\u233??}\\u233?x", QStringLiteral("\u00E9\u00E9x"));
    row("characters the document keeps for itself", "\\u0?\\u13?\\u8233?\\u65532?x",
        QStringLiteral("x"));
    row("unknown ignorable destination", "a{\\*\\unknown b}c", QStringLiteral("ac"));
    row("unknown word in a group", "a{\\unknownword b}c", QStringLiteral("abc"));
    row("style sheet and information",
        "{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}body", QStringLiteral("body"));
    row("picture", "a{\\pict\\pngblip 89504e47}b", QStringLiteral("ab"));
    row("binary data", "a\\bin3 {}\\b", QStringLiteral("ab"));
    row("field", "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}", QStringLiteral("link"));
    row("old field", "{\\field{\\fldinst PAGE}{\\fldrslt 3}}", QStringLiteral("3"));
    row("object", "a{\\object\\objw10 b{\\*\\objdata 00}{\\result c}}d", QStringLiteral("acd"));
    row("hidden text", "a\\v hidden\\v0 b", QStringLiteral("ab"));
    row("headers and footers", "{\\header head}{\\footer foot}body", QStringLiteral("body"));
    row("bullet text", "{\\pntext\\'b7\\tab}item", QStringLiteral("\u00B7\titem"));
    row("table", "\\intbl a\\cell b\\cell\\row c", QStringLiteral("a\tb\t\nc"));
    row("backslash before a line end", "a\\\nb", QStringLiteral("a\nb"));
    row("line ends in the text", "a\r\nb", QStringLiteral("ab"));
    row("tab byte", "a\tb", QStringLiteral("a\tb"));
    row("control word delimiter", "\\b  two", QStringLiteral("<b> two"));
}

void TestRtfReader::controlWords()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, expected);
    QTextDocument document;
    QCOMPARE(readRtf("{\\rtf1\\ansi " + body + "}", document).status, RtfReadStatus::Complete);
    QCOMPARE(describe(document), expected);
}

void TestRtfReader::codePages_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char* name, const char* bytes, const QString& expected) {
        QTest::newRow(name) << QByteArray(bytes) << expected;
    };
    row("Windows-1252 when none is named", "{\\rtf1\\ansi \\'e9\\'80}",
        QStringLiteral("\u00E9\u20AC"));
    row("Cyrillic", "{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8}",
        QStringLiteral("\u041F\u0440\u0438"));
    row("Greek", "{\\rtf1\\ansi\\ansicpg1253 \\'e1\\'e2}", QStringLiteral("\u03B1\u03B2"));
    row("Japanese, two bytes a character", "{\\rtf1\\ansi\\ansicpg932 \\'82\\'a0\\'93\\'fa}",
        QStringLiteral("\u3042\u65E5"));
    row("Simplified Chinese", "{\\rtf1\\ansi\\ansicpg936 \\'c8\\'d5}", QStringLiteral("\u65E5"));
    row("UTF-8", "{\\rtf1\\ansi\\ansicpg65001 \\'c3\\'a9}", QStringLiteral("\u00E9"));
    row("unknown code page", "{\\rtf1\\ansi\\ansicpg4242 \\'e9}", QStringLiteral("\u00E9"));
    row("UTF-16 is no byte code page", "{\\rtf1\\ansi\\ansicpg1200 \\'e9}",
        QStringLiteral("\u00E9"));
    row("Mac", "{\\rtf1\\mac \\'8e}", QStringLiteral("\u00E9"));
    row("DOS", "{\\rtf1\\pc \\'82}", QStringLiteral("\u00E9"));
    row("a font's charset before the document's",
        "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 "
        "Arial;}}\\f1\\'cf\\f0\\'cf}",
        QStringLiteral("<Arial>\u041F\u00CF"));
    row("a font's code page", "{\\rtf1{\\fonttbl{\\f0\\cpg1253 Arial;}}\\f0\\'e1}",
        QStringLiteral("<Arial>\u03B1"));
    row("a font name in its charset",
        "{\\rtf1{\\fonttbl{\\f0\\fcharset128 \\'82\\'6c\\'82\\'72 Mincho;}}\\f0 x}",
        QStringLiteral("<\uFF2D\uFF33 Mincho>x"));
}

void TestRtfReader::codePages()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QTextDocument document;
    QCOMPARE(readRtf(bytes, document).status, RtfReadStatus::Complete);
    QCOMPARE(describe(document), expected);
}

void TestRtfReader::bounds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<RtfReadStatus>("status");
    QTest::addColumn<QString>("text");

    using S = RtfReadStatus;
    const auto row = [](const char* name, const QByteArray& bytes, S status, const char* text) {
        QTest::newRow(name) << bytes << status << QString::fromUtf8(text);
    };
    row("whole", "{\\rtf1 a}", S::Complete, "a");
    row("text after the document", "{\\rtf1 a}b}{c", S::Complete, "a");
    row("blanks and a byte-order mark first", "\xEF\xBB\xBF \r\n{\\rtf1 a}", S::Complete, "a");
    row("cut inside a group", "{\\rtf1 ab{\\b cd", S::Truncated, "abcd");
    row("cut after a backslash", "{\\rtf1 ab\\", S::Truncated, "ab");
    row("cut inside a hex byte", "{\\rtf1 ab\\'e", S::Truncated, "ab");
    row("cut inside binary data", "{\\rtf1 ab\\bin10 xyz", S::Truncated, "ab");
    row("binary count beyond the end", "{\\rtf1 ab\\bin2147483647 x}", S::Truncated, "ab");
    row("negative binary count", "{\\rtf1 a\\bin-5 b}", S::Complete, "ab");
    row("header only", "{\\rtf1", S::Truncated, "");
    row("cut in the font table", "{\\rtf1{\\fonttbl{\\f0 Ari", S::Truncated, "");
    row("groups at the limit",
        "{\\rtf1 x" + QByteArray(rtfMaxGroupDepth - 1, '{') + "y" +
            QByteArray(rtfMaxGroupDepth, '}'),
        S::Complete, "xy");
    row("one group deeper", "{\\rtf1 x" + QByteArray(rtfMaxGroupDepth, '{') + "y", S::TooDeep, "x");
    row("far too deep", "{\\rtf1 x" + QByteArray(1 << 20, '{'), S::TooDeep, "x");
    row("control word too long", "{\\rtf1 a\\" + QByteArray(33, 'w') + " b}", S::WordTooLong, "a");
    row("number too large", "{\\rtf1 a\\fs2147483648 b}", S::NumberTooLarge, "a");
    row("largest numbers", "{\\rtf1 a\\fs2147483647\\li-2147483648\\sb2147483647\\cf2147483647 b}",
        S::Complete, "ab");
    row("many tiny groups", "{\\rtf1 " + QByteArray("{\\b x}").repeated(100000) + "}", S::Complete,
        QByteArray(100000, 'x').constData());
}

void TestRtfReader::bounds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(RtfReadStatus, status);
    QFETCH(QString, text);
    QTextDocument document;
    const RtfReadResult result = readRtf(bytes, document);
    QCOMPARE(result.status, status);
    QCOMPARE(result.isWhole(), status == RtfReadStatus::Complete);
    QVERIFY(result.offset <= bytes.size());
    QCOMPARE(document.toPlainText(), text);
}

void TestRtfReader::notRtf_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("plain") << QByteArray("Dear diary\nline two")
                           << QStringLiteral("Dear diary\nline two");
    QTest::newRow("CR LF and CR") << QByteArray("a\r\nb\rc") << QStringLiteral("a\nb\nc");
    QTest::newRow("UTF-8") << QByteArray("caf\xC3\xA9") << QStringLiteral("caf\u00E9");
    QTest::newRow("Windows-1252") << QByteArray("caf\xE9 \x80")
                                  << QStringLiteral("caf\u00E9 \u20AC");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("almost RTF") << QByteArray("{\\rt") << QStringLiteral("{\\rt");
    QTest::newRow("control bytes") << QByteArray("a\0b\x1b\tc", 6) << QStringLiteral("ab\tc");
    QTest::newRow("every byte") <<
        [] {
            QByteArray all;
            for (int i = 0; i < 256; ++i)
                all.append(char(i));
            return all;
        }() <<
        [] {
            // Windows-1252 (the bytes are not UTF-8) without control characters but tab and line
            // end.
            static const char16_t high[] = u"\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021"
                                           u"\u02C6\u2030\u0160\u2039\u0152\u008D\u017D\u008F"
                                           u"\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014"
                                           u"\u02DC\u2122\u0161\u203A\u0153\u009D\u017E\u0178";
            QString text = QStringLiteral("\t\n\n");
            for (int i = 0x20; i < 256; ++i)
                text += QChar(i >= 0x80 && i < 0xA0 ? high[i - 0x80] : char16_t(i));
            return text;
        }();
}

void TestRtfReader::notRtf()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QTextDocument document;
    const RtfReadResult result = readRtf(bytes, document);
    QCOMPARE(result.status, RtfReadStatus::NotRtf);
    QVERIFY(result.isWhole());
    // The raw text: the plain one turns no-break spaces into spaces.
    QCOMPARE(document.toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')), text);
}

void TestRtfReader::loadsAsAFreshFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("RTF") << QByteArray("{\\rtf1 new}");
    QTest::newRow("not RTF") << QByteArray("new");
    QTest::newRow("cut short") << QByteArray("{\\rtf1 new");
}

void TestRtfReader::loadsAsAFreshFile()
{
    // What the document held before is gone, and the loaded text is neither modified nor undoable.
    QFETCH(QByteArray, bytes);
    QTextDocument document;
    QTextCursor(&document).insertText(QStringLiteral("old text"));
    QVERIFY(document.isUndoAvailable());
    readRtf(bytes, document);
    QCOMPARE(document.toPlainText(), QStringLiteral("new"));
    QVERIFY(!document.isModified());
    QVERIFY(!document.isUndoAvailable());
    QVERIFY(document.isUndoRedoEnabled());
}

QTEST_MAIN(TestRtfReader)
#include "test_rtf_reader.moc"
