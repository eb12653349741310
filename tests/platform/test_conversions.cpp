#include "platform/FileFilter.h"
#include "platform/Twips.h"
#include "platform/VbConvert.h"

#include <QTest>

using namespace vireo;

class TestConversions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void toNumber_data();
    void toNumber();
    void toInteger_data();
    void toInteger();
    void singleText_data();
    void singleText();
    void twips();
    void fileFilter_data();
    void fileFilter();
};

void TestConversions::toNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << QStringLiteral("240") << true << 240.0;
    QTest::newRow("spaces") << QStringLiteral("  12.5 ") << true << 12.5;
    QTest::newRow("negative") << QStringLiteral("-30") << true << -30.0;
    QTest::newRow("exponent") << QStringLiteral("1E3") << true << 1000.0;
    QTest::newRow("hex") << QStringLiteral("&HFF") << true << 255.0;
    QTest::newRow("empty") << QString() << false << 0.0;
    QTest::newRow("word") << QStringLiteral("abc") << false << 0.0;
    QTest::newRow("trailing junk") << QStringLiteral("12px") << false << 0.0;
    QTest::newRow("infinity") << QStringLiteral("inf") << false << 0.0;
}

void TestConversions::toNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    const auto n = vb::toNumber(text);
    QCOMPARE(n.has_value(), ok);
    if (ok)
        QCOMPARE(*n, value);
}

void TestConversions::toInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");
    QTest::newRow("two") << QStringLiteral("2") << true << 2;
    QTest::newRow("half to even down") << QStringLiteral("2.5") << true << 2;
    QTest::newRow("half to even up") << QStringLiteral("3.5") << true << 4;
    QTest::newRow("too big") << QStringLiteral("40000") << false << 0;
    QTest::newRow("empty") << QString() << false << 0;
}

void TestConversions::toInteger()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    const auto n = vb::toInteger(text);
    QCOMPARE(n.has_value(), ok);
    if (ok)
        QCOMPARE(*n, value);
}

void TestConversions::singleText_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0f << QStringLiteral("0");
    QTest::newRow("twips") << 8370.0f << QStringLiteral("8370");
    QTest::newRow("fraction") << 1234.5f << QStringLiteral("1234.5");
    QTest::newRow("negative") << -120.0f << QStringLiteral("-120");
    QTest::newRow("seven digits") << 1234567.0f << QStringLiteral("1234567");
}

void TestConversions::singleText()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(vb::singleText(value), text);
    QCOMPARE(*vb::toSingle(text), value);
}

void TestConversions::twips()
{
    QCOMPARE(twips::toPixels(8370), 558);
    QCOMPARE(twips::toPixels(1080), 72);
    QCOMPARE(twips::toPixels(-30), -2);
    QCOMPARE(twips::fromPixels(558), 8370.0);
}

void TestConversions::fileFilter_data()
{
    QTest::addColumn<QString>("windows");
    QTest::addColumn<QString>("qt");
    QTest::newRow("two kinds") << QStringLiteral("MP3 Files(*.mp3)|*.mp3|Wav Files(*.wav)|*.wav")
                               << QStringLiteral("MP3 Files(*.mp3);;Wav Files(*.wav)");
    QTest::newRow("two patterns") << QStringLiteral("Web Pages (*.htm;*.html)|*.htm;*.html")
                                  << QStringLiteral("Web Pages (*.htm *.html)");
    QTest::newRow("all files") << QStringLiteral("All Files (*.*)|*.*")
                               << QStringLiteral("All Files (*.*)");
    QTest::newRow("description without star") << QStringLiteral("BMP Pictures(.bmp)|*.bmp")
                                              << QStringLiteral("BMP Pictures(.bmp) (*.bmp)");
    QTest::newRow("description without patterns")
        << QStringLiteral("Playlists|*.vr3") << QStringLiteral("Playlists (*.vr3)");
    QTest::newRow("other patterns in the description")
        << QStringLiteral("Pictures (*.gif)|*.gif;*.jpg")
        << QStringLiteral("Pictures (*.gif) (*.gif *.jpg)");
}

void TestConversions::fileFilter()
{
    QFETCH(QString, windows);
    QFETCH(QString, qt);
    QCOMPARE(qtFileFilter(windows), qt);
}

QTEST_GUILESS_MAIN(TestConversions)
#include "test_conversions.moc"
