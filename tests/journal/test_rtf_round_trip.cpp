// Writing a document and reading it back gives the same text with the same character and
// paragraph formats, feature by feature.
#include "journal/RtfReader.h"
#include "journal/RtfWriter.h"
#include "support/DescribeDocument.h"

#include <QTest>
#include <QTextCursor>
#include <functional>

using namespace vireo;
using vireo::test::describe;

namespace {

using Build = std::function<void(QTextCursor&)>;

QTextCharFormat chars(const std::function<void(QTextCharFormat&)>& set)
{
    QTextCharFormat format;
    set(format);
    return format;
}

QTextBlockFormat block(const std::function<void(QTextBlockFormat&)>& set)
{
    QTextBlockFormat format;
    set(format);
    return format;
}

// Plain text, then the text in the format, then plain text again.
Build between(const QString& text, const QTextCharFormat& format)
{
    return [=](QTextCursor& c) {
        c.insertText(QStringLiteral("before "), QTextCharFormat());
        c.insertText(text, format);
        c.insertText(QStringLiteral(" after"), QTextCharFormat());
    };
}

// A paragraph in the format between two plain ones.
Build paragraph(const QTextBlockFormat& format)
{
    return [=](QTextCursor& c) {
        c.insertText(QStringLiteral("first"));
        c.insertBlock(format);
        c.insertText(QStringLiteral("formatted paragraph"));
        c.insertBlock(QTextBlockFormat());
        c.insertText(QStringLiteral("last"));
    };
}

Build text(const QString& s)
{
    return [=](QTextCursor& c) { c.insertText(s); };
}

} // namespace

Q_DECLARE_METATYPE(Build)

class TestRtfRoundTrip : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void documentDefaultFont();
};

void TestRtfRoundTrip::roundTrip_data()
{
    QTest::addColumn<Build>("build");

    QTest::newRow("empty document") << Build([](QTextCursor&) {});
    QTest::newRow("plain text") << text(QStringLiteral("Dear diary, today was fine."));
    QTest::newRow("bold") << between(QStringLiteral("bold"),
                                     chars([](auto& f) { f.setFontWeight(QFont::Bold); }));
    QTest::newRow("italic") << between(QStringLiteral("italic"),
                                       chars([](auto& f) { f.setFontItalic(true); }));
    QTest::newRow("underline") << between(QStringLiteral("underlined"),
                                          chars([](auto& f) { f.setFontUnderline(true); }));
    for (const auto style :
         {QTextCharFormat::DashUnderline, QTextCharFormat::DotLine, QTextCharFormat::DashDotLine,
          QTextCharFormat::DashDotDotLine, QTextCharFormat::WaveUnderline}) {
        QTest::addRow("underline style %d", int(style)) << between(
            QStringLiteral("underlined"), chars([style](auto& f) { f.setUnderlineStyle(style); }));
    }
    QTest::newRow("strike-out") << between(QStringLiteral("struck"),
                                           chars([](auto& f) { f.setFontStrikeOut(true); }));
    QTest::newRow("font family") << between(QStringLiteral("typed"), chars([](auto& f) {
                                                f.setFontFamilies({QStringLiteral("Courier New")});
                                            }));
    QTest::newRow("font family not in Windows-1252") << between(
        QStringLiteral("named"),
        chars([](auto& f) { f.setFontFamilies({QStringLiteral("Noto Sans \u65E5\u672C")}); }));
    QTest::newRow("font family with a semicolon and braces")
        << between(QStringLiteral("named"),
                   chars([](auto& f) { f.setFontFamilies({QStringLiteral("Odd;Name {x}")}); }));
    QTest::newRow("font size") << between(QStringLiteral("big"),
                                          chars([](auto& f) { f.setFontPointSize(20); }));
    QTest::newRow("half-point size")
        << between(QStringLiteral("small"), chars([](auto& f) { f.setFontPointSize(10.5); }));
    QTest::newRow("foreground") << between(
        QStringLiteral("red"), chars([](auto& f) { f.setForeground(QColor(200, 10, 20)); }));
    QTest::newRow("background") << between(
        QStringLiteral("marked"), chars([](auto& f) { f.setBackground(QColor(Qt::yellow)); }));
    QTest::newRow("one colour both ways") << between(QStringLiteral("hidden"), chars([](auto& f) {
                                                         f.setForeground(QColor(Qt::blue));
                                                         f.setBackground(QColor(Qt::blue));
                                                     }));
    QTest::newRow("every character format")
        << between(QStringLiteral("everything"), chars([](auto& f) {
                       f.setFontFamilies({QStringLiteral("Liberation Serif")});
                       f.setFontPointSize(16);
                       f.setFontWeight(QFont::Bold);
                       f.setFontItalic(true);
                       f.setFontUnderline(true);
                       f.setFontStrikeOut(true);
                       f.setForeground(QColor(0, 128, 0));
                       f.setBackground(QColor(255, 230, 240));
                   }));
    QTest::newRow("format ends mid-word") << Build([](QTextCursor& c) {
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        c.insertText(QStringLiteral("un"));
        c.insertText(QStringLiteral("believ"), bold);
        c.insertText(QStringLiteral("able 42"));
    });
    QTest::newRow("run begins with a digit after a size") << Build([](QTextCursor& c) {
        QTextCharFormat big;
        big.setFontPointSize(18);
        c.insertText(QStringLiteral("x"));
        c.insertText(QStringLiteral("2024 "), big);
    });
    QTest::newRow("format across paragraphs") << Build([](QTextCursor& c) {
        QTextCharFormat italic;
        italic.setFontItalic(true);
        c.insertText(QStringLiteral("one"), italic);
        c.insertBlock();
        c.insertText(QStringLiteral("two"), italic);
    });

    QTest::newRow("centred") << paragraph(block([](auto& b) { b.setAlignment(Qt::AlignHCenter); }));
    QTest::newRow("right") << paragraph(block([](auto& b) { b.setAlignment(Qt::AlignRight); }));
    QTest::newRow("justified") << paragraph(
        block([](auto& b) { b.setAlignment(Qt::AlignJustify); }));
    QTest::newRow("space before and after") << paragraph(block([](auto& b) {
        b.setTopMargin(8);
        b.setBottomMargin(12);
    }));
    QTest::newRow("indents") << paragraph(block([](auto& b) {
        b.setLeftMargin(40);
        b.setRightMargin(20);
        b.setTextIndent(-16);
    }));
    QTest::newRow("line spacing 150%") << paragraph(
        block([](auto& b) { b.setLineHeight(150, QTextBlockFormat::ProportionalHeight); }));
    QTest::newRow("line spacing exactly")
        << paragraph(block([](auto& b) { b.setLineHeight(24, QTextBlockFormat::FixedHeight); }));
    QTest::newRow("line spacing at least")
        << paragraph(block([](auto& b) { b.setLineHeight(30, QTextBlockFormat::MinimumHeight); }));
    QTest::newRow("every paragraph format") << paragraph(block([](auto& b) {
        b.setAlignment(Qt::AlignRight);
        b.setTopMargin(4);
        b.setBottomMargin(6);
        b.setLeftMargin(10);
        b.setRightMargin(12);
        b.setTextIndent(8);
        b.setLineHeight(200, QTextBlockFormat::ProportionalHeight);
    }));

    QTest::newRow("line break and tab") << text(
        QStringLiteral("name:\tVireo") + QChar(QChar::LineSeparator) + QStringLiteral("next"));
    QTest::newRow("empty paragraphs") << Build([](QTextCursor& c) {
        c.insertBlock();
        c.insertText(QStringLiteral("after an empty one"));
        c.insertBlock();
        c.insertBlock();
        c.insertText(QStringLiteral("after two"));
        c.insertBlock();
    });
    QTest::newRow("empty paragraph keeps its size") << Build([](QTextCursor& c) {
        QTextCharFormat big;
        big.setFontPointSize(28);
        c.insertText(QStringLiteral("text"));
        c.insertBlock(QTextBlockFormat(), big);
        c.insertBlock(QTextBlockFormat(), QTextCharFormat());
        c.insertText(QStringLiteral("more"));
    });
    QTest::newRow("RTF's own characters") << text(QStringLiteral("a\\b {c} \\par d\\'e9"));
    QTest::newRow("Windows-1252") << text(
        QStringLiteral("Caf\u00E9 na\u00EFve \u20AC5 \u201Cquoted\u201D \u2014 \u2122 \u00FF"));
    QTest::newRow("beyond Windows-1252") << text(QStringLiteral(
        "\u041F\u0440\u0438\u0432\u0435\u0442 \u03B1\u03B2 \u65E5\u672C \u2713 \uFFFD"));
    QTest::newRow("outside the basic plane") << text(QStringLiteral("smile \U0001F600 ok"));
    QTest::newRow("unassigned Windows-1252 bytes") << text(QStringLiteral("\u0081\u008D\u009D"));
    QTest::newRow("no-break space, soft and no-break hyphens")
        << text(QStringLiteral("a\u00A0b c\u00ADd e\u2011f"));
    QTest::newRow("long paragraph") << text(QString(QStringLiteral("word ")).repeated(5000));
}

void TestRtfRoundTrip::roundTrip()
{
    QFETCH(Build, build);
    QTextDocument original;
    QTextCursor cursor(&original);
    build(cursor);

    const QByteArray rtf = writeRtf(original);
    QTextDocument read;
    const RtfReadResult result = readRtf(rtf, read);

    QCOMPARE(result.status, RtfReadStatus::Complete);
    QCOMPARE(result.offset, rtf.size() - 1); // all but the final line end
    QCOMPARE(read.toPlainText(), original.toPlainText());
    QCOMPARE(read.blockCount(), original.blockCount());
    QCOMPARE(describe(read), describe(original));
}

void TestRtfRoundTrip::documentDefaultFont()
{
    // Text without a font of its own is in the document's font: it keeps that font.
    QTextDocument original;
    original.setDefaultFont(QFont(QStringLiteral("DejaVu Serif"), 15));
    QTextCursor(&original).insertText(QStringLiteral("default"));
    QTextDocument read;
    QCOMPARE(readRtf(writeRtf(original), read).status, RtfReadStatus::Complete);
    const QTextCharFormat format = read.begin().begin().fragment().charFormat();
    QCOMPARE(format.fontFamilies().toStringList(), QStringList{QStringLiteral("DejaVu Serif")});
    QCOMPARE(format.fontPointSize(), 15.0);
}

QTEST_MAIN(TestRtfRoundTrip)
#include "test_rtf_round_trip.moc"
