// The lexer's tokens and its bounds: control words, parameters, delimiters and what ends reading.
#include "journal/RtfLexer.h"

#include <QTest>

using namespace vireo;

namespace {

QString describeToken(const RtfToken& t)
{
    switch (t.kind) {
    case RtfToken::Kind::GroupOpen:
        return QStringLiteral("{");
    case RtfToken::Kind::GroupClose:
        return QStringLiteral("}");
    case RtfToken::Kind::Word:
        return QString::fromLatin1(t.text) +
               (t.hasParameter ? QStringLiteral("(%1)").arg(t.parameter) : QString());
    case RtfToken::Kind::Symbol:
        return QLatin1Char('\\') + QChar(t.parameter);
    case RtfToken::Kind::Hex:
        return QStringLiteral("x%1").arg(t.parameter, 2, 16, QLatin1Char('0'));
    case RtfToken::Kind::Text:
        return QLatin1Char('\'') + QString::fromLatin1(t.text) + QLatin1Char('\'');
    case RtfToken::Kind::End:
        return QStringLiteral("end");
    case RtfToken::Kind::Error:
        return QStringLiteral("error %1").arg(int(t.error));
    }
    return {};
}

// Every token up to the end or an error, then the offset where the lexer stopped.
QString tokens(const QByteArray& bytes)
{
    RtfLexer lexer(bytes);
    QStringList out;
    for (;;) {
        const RtfToken t = lexer.next();
        out << describeToken(t);
        if (t.kind == RtfToken::Kind::End || t.kind == RtfToken::Kind::Error)
            break;
    }
    return out.join(QLatin1Char(' ')) + QStringLiteral(" @%1").arg(lexer.offset());
}

QString error(RtfReadStatus status, int offset)
{
    return QStringLiteral("error %1 @%2").arg(int(status)).arg(offset);
}

} // namespace

class TestRtfLexer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tokens_data();
    void tokens();
    void binaryData();
};

void TestRtfLexer::tokens_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    const QByteArray letters32(32, 'a');
    const auto row = [](const char* name, const QByteArray& bytes, const QString& expected) {
        QTest::newRow(name) << bytes << expected;
    };
    row("group, word and text", "{\\rtf1 x}", QStringLiteral("{ rtf(1) 'x' } end @9"));
    row("one space delimits, the next is text", "\\b  x", QStringLiteral("b ' x' end @5"));
    row("other characters end a word", "\\b;x", QStringLiteral("b ';x' end @4"));
    row("negative parameter", "\\li-720x", QStringLiteral("li(-720) 'x' end @8"));
    row("hyphen without digits is text", "\\b-x", QStringLiteral("b '-x' end @4"));
    row("symbols", "\\~\\*\\\\\\{", QStringLiteral("\\~ \\* \\\\ \\{ end @8"));
    row("hex bytes", "\\'e9\\'4A", QStringLiteral("xe9 x4a end @8"));
    row("not a hex byte", "\\'zz", QStringLiteral("\\' 'zz' end @4"));
    row("backslash and line end is a paragraph", "a\\\r\nb", QStringLiteral("'a' par 'b' end @5"));
    row("line ends are not text", "a\r\nb\n", QStringLiteral("'a' 'b' end @5"));
    row("control bytes dropped, tab kept", QByteArray("a\x01\0\tb", 5),
        QStringLiteral("'a' '\tb' end @5"));
    row("32 letters", "\\" + letters32 + " x",
        QString::fromLatin1(letters32) + QStringLiteral(" 'x' end @35"));
    row("33 letters", "ab\\" + letters32 + "a x",
        QStringLiteral("'ab' ") + error(RtfReadStatus::WordTooLong, 2));
    row("endless word", "\\" + QByteArray(1 << 20, 'w'), error(RtfReadStatus::WordTooLong, 0));
    row("largest parameter", "\\fs2147483647", QStringLiteral("fs(2147483647) end @13"));
    row("smallest parameter", "\\fs-2147483648", QStringLiteral("fs(-2147483648) end @14"));
    row("parameter beyond 32 bits", "\\fs2147483648", error(RtfReadStatus::NumberTooLarge, 0));
    row("more than ten digits", "\\fs00000000001", error(RtfReadStatus::NumberTooLarge, 0));
    row("endless number", "\\fs" + QByteArray(1 << 20, '9'),
        error(RtfReadStatus::NumberTooLarge, 0));
    row("cut after a backslash", "ab\\",
        QStringLiteral("'ab' ") + error(RtfReadStatus::Truncated, 3));
    row("cut inside a hex byte", "\\'e", error(RtfReadStatus::Truncated, 3));
    row("empty", "", QStringLiteral("end @0"));
}

void TestRtfLexer::tokens()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(::tokens(bytes), expected);
}

void TestRtfLexer::binaryData()
{
    // \binN's bytes are not RTF: braces and backslashes among them are passed over.
    RtfLexer lexer("\\bin4 {}\\}rest");
    const RtfToken bin = lexer.next();
    QVERIFY(bin.isWord("bin"));
    QCOMPARE(bin.parameter, 4);
    QVERIFY(lexer.skipBytes(bin.parameter));
    QCOMPARE(describeToken(lexer.next()), QStringLiteral("'rest'"));

    RtfLexer shortData("\\bin100 abc");
    shortData.next();
    QVERIFY(!shortData.skipBytes(100));
    QCOMPARE(shortData.next().kind, RtfToken::Kind::End);
}

QTEST_GUILESS_MAIN(TestRtfLexer)
#include "test_rtf_lexer.moc"
