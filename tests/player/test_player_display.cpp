#include "platform/fakes/FakeMediaPlayer.h"
#include "player/PlayerDisplay.h"

#include <QTest>

using namespace vireo;

class TestPlayerDisplay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void volume_data();
    void volume();
    void balance_data();
    void balance();
    void elapsed_data();
    void elapsed();
    void shownSecondChange_data();
    void shownSecondChange();
    void shownSecondChangeIsTheFirstChange();
    void scrollPeriod_data();
    void scrollPeriod();
    void scrollEntersFromTheRight();
    void muteToggle();
    void doubleClickVolumeWhileMuted();
    void heights_data();
    void heights();
    void helpText();
};

void TestPlayerDisplay::volume_data()
{
    QTest::addColumn<int>("slider");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("componentVolume");
    QTest::newRow("0") << 0 << "0 %" << -2500;
    QTest::newRow("24") << 24 << "0 %" << -2476;
    QTest::newRow("25") << 25 << "1 %" << -2475;
    QTest::newRow("1249") << 1249 << "49 %" << -1251;
    QTest::newRow("1250 (label2 double-click)") << 1250 << "50 %" << -1250;
    QTest::newRow("1875 (at load)") << 1875 << "75 %" << -625;
    QTest::newRow("2500") << 2500 << "100 %" << 0;
}

void TestPlayerDisplay::volume()
{
    QFETCH(int, slider);
    QFETCH(QString, text);
    QFETCH(int, componentVolume);
    QCOMPARE(display::volumeText(slider), text);
    QCOMPARE(display::componentVolume(slider), componentVolume);
    FakeMediaPlayer player;
    QCOMPARE(display::volumeUpdate(player, slider), text);
    QCOMPARE(player.volume, componentVolume);
}

void TestPlayerDisplay::balance_data()
{
    QTest::addColumn<int>("slider");
    QTest::addColumn<QString>("text"); // empty: the label keeps its text
    QTest::newRow("-5000") << -5000 << "Left";
    QTest::newRow("-501") << -501 << "Left";
    QTest::newRow("-500") << -500 << "";
    QTest::newRow("-499") << -499 << "Center";
    QTest::newRow("0") << 0 << "Center";
    QTest::newRow("499") << 499 << "Center";
    QTest::newRow("500") << 500 << "";
    QTest::newRow("501") << 501 << "Right";
    QTest::newRow("5000") << 5000 << "Right";
}

void TestPlayerDisplay::balance()
{
    QFETCH(int, slider);
    QFETCH(QString, text);
    const auto shown = display::balanceText(slider);
    QCOMPARE(shown.value_or(QString()), text);
    QCOMPARE(shown.has_value(), !text.isEmpty());
    FakeMediaPlayer player;
    QCOMPARE(display::balanceUpdate(player, slider).value_or(QString()), text);
    QCOMPARE(player.balance, slider);
}

void TestPlayerDisplay::elapsed_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0.0 << "00:00:00";
    QTest::newRow("42") << 42.0 << "00:00:42";
    QTest::newRow("59.6") << 59.6 << "00:01:00";
    QTest::newRow("60") << 60.0 << "00:01:00";
    QTest::newRow("3599") << 3599.0 << "00:59:59";
    QTest::newRow("3725") << 3725.0 << "01:02:05";
    QTest::newRow("0.5 to even") << 0.5 << "00:00:00";
    QTest::newRow("1.5 to even") << 1.5 << "00:00:02";
    QTest::newRow("59.5 to even") << 59.5 << "00:01:00";
    QTest::newRow("10 hours") << 36000.0 << "10:00:00";
}

void TestPlayerDisplay::elapsed()
{
    QFETCH(double, seconds);
    QFETCH(QString, text);
    QCOMPARE(display::elapsedText(seconds), text);
}

void TestPlayerDisplay::shownSecondChange_data()
{
    QTest::addColumn<double>("position");
    QTest::addColumn<int>("ms");
    QTest::newRow("mid-second") << 10.3 << 201;
    QTest::newRow("just before the change: the shortest tick") << 10.499 << 16;
    QTest::newRow("at the change, 10.5 shows 10") << 10.5 << 16;
    QTest::newRow("at 11.5, which already shows 12") << 11.5 << 250;
    QTest::newRow("far from the change: the longest tick") << 10.6 << 250;
    QTest::newRow("nothing open") << 0.0 << 250;
    QTest::newRow("not a number") << qQNaN() << 250;
}

void TestPlayerDisplay::shownSecondChange()
{
    QFETCH(double, position);
    QFETCH(int, ms);
    QCOMPARE(display::msUntilShownSecondChanges(position, 16, 250), ms);
}

// Unclamped, the interval lands on the first moment the shown second differs: 1 ms after it the
// display has changed, 1 ms before it has not.
void TestPlayerDisplay::shownSecondChangeIsTheFirstChange()
{
    for (int i = 0; i < 4000; ++i) {
        const double position = i * 0.00137;
        const int ms = display::msUntilShownSecondChanges(position, 0, 100000);
        const int shown = display::wholeSeconds(position);
        QVERIFY2(display::wholeSeconds(position + ms / 1000.0) != shown,
                 qPrintable(QString::number(position)));
        QVERIFY2(display::wholeSeconds(position + (ms - 2) / 1000.0) == shown,
                 qPrintable(QString::number(position)));
    }
}

void TestPlayerDisplay::scrollPeriod_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("period");
    QTest::newRow("at load: 41 characters, 4.1 s") << display::TitleScroll::atLoad() << 41;
    QTest::newRow("a song") << display::TitleScroll::forSong(QStringLiteral("Artist"),
                                                             QStringLiteral("Song"))
                            << 43;
}

void TestPlayerDisplay::scrollPeriod()
{
    QFETCH(QString, text);
    QFETCH(int, period);
    QCOMPARE(text.size(), period);
    display::TitleScroll scroll;
    scroll.setText(text);
    for (int tick = 1; tick < period; ++tick)
        QVERIFY2(scroll.tick() != text, qPrintable(QString::number(tick)));
    QCOMPARE(scroll.tick(), text);
}

void TestPlayerDisplay::scrollEntersFromTheRight()
{
    display::TitleScroll scroll;
    QCOMPARE(scroll.text(), QString(30, QLatin1Char(' ')) + QStringLiteral("MP3 Player "));
    for (int i = 0; i < 30; ++i)
        scroll.tick();
    QCOMPARE(scroll.text(), QStringLiteral("MP3 Player ") + QString(30, QLatin1Char(' ')));
    QCOMPARE(scroll.tick(),
             QStringLiteral("P3 Player ") + QString(30, QLatin1Char(' ')) + QLatin1Char('M'));
}

void TestPlayerDisplay::muteToggle()
{
    FakeMediaPlayer player;
    player.volume = -625;
    const auto muted = display::toggleMute(player, 1875);
    QVERIFY(player.mute);
    QCOMPARE(muted.muted, true);
    QCOMPARE(muted.muteColour, display::buttonFace);
    QCOMPARE(muted.volumeEnabled, false);
    QCOMPARE(muted.volumeLabel, QStringLiteral("Mute"));
    const auto restored = display::toggleMute(player, 1875);
    QVERIFY(!player.mute);
    QCOMPARE(restored.muted, false);
    QCOMPARE(restored.muteColour, display::lightCyan);
    QCOMPARE(restored.volumeEnabled, true);
    QCOMPARE(restored.volumeLabel, QStringLiteral("75 %"));
    QCOMPARE(player.volume, -625); // Mute never changes Volume
}

void TestPlayerDisplay::doubleClickVolumeWhileMuted()
{
    FakeMediaPlayer player;
    display::toggleMute(player, 1875);
    // Label1's double-click moves the slider to 2500; the volume update follows.
    QCOMPARE(display::volumeUpdate(player, display::volumeFull), QStringLiteral("100 %"));
    QCOMPARE(player.volume, 0);
    QVERIFY(player.mute);
}

void TestPlayerDisplay::heights_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("toggled");
    QTest::newRow("shown folds") << 5265 << 2115;
    QTest::newRow("folded shows") << 2115 << 5265;
    QTest::newRow("other shows") << 3000 << 5265;
}

void TestPlayerDisplay::heights()
{
    QFETCH(int, height);
    QFETCH(int, toggled);
    QCOMPARE(display::toggledHeight(height), toggled);
}

void TestPlayerDisplay::helpText()
{
    const QString text = display::helpText();
    QVERIFY(text.endsWith(QStringLiteral("2) Click the \"Delete Song\" button\r\n")));
    QVERIFY(text.startsWith(QStringLiteral("What are MP3\u2019s?\r\nHow do I open a MP3?\r\n")));
    QCOMPARE(text.count(QStringLiteral("MP3\u2019s")), 2);
    QVERIFY(!text.contains(QLatin1Char('\'')));
    QCOMPARE(text.count(QStringLiteral("\r\n")), 37);
    QCOMPARE(text.count(QLatin1Char('\n')), 37);
    QStringList spaced;
    for (const QString& line : text.split(QStringLiteral("\r\n")))
        if (line.endsWith(QLatin1Char(' ')))
            spaced << line;
    QCOMPARE(spaced,
             QStringList({QStringLiteral("An MP3 is a type of file that allows a user to "),
                          QStringLiteral("3) Click open, the file should start to play "),
                          QStringLiteral("3)  Once you have added songs to the Playlist, ")}));
    QVERIFY(text.contains(QStringLiteral("\r\n\r\nHow do I open a Playlist?\r\n\r\nSelect the "
                                         "\"Load List\" button\r\n\r\n\r\n")));
}

QTEST_GUILESS_MAIN(TestPlayerDisplay)
#include "test_player_display.moc"
