// The transport on the real GStreamer component: a random pick follows the end of a song at the
// next Timer100 tick while the continuation is on, and nothing follows while it is off.
#include "platform/GstMediaPlayer.h"
#include "player/TablePlaylist.h"
#include "player/Transport.h"
#include "support/ToneFiles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace vireo;

class TestTransportGstreamer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void randomPickAtTheNextTick();
    void loopOffStaysAtTheEnd();
    void continuationMovesOnFromAFileThatDoesNotOpen_data();
    void continuationMovesOnFromAFileThatDoesNotOpen();

private:
    QTemporaryDir dir;
    QStringList files;
};

void TestTransportGstreamer::initTestCase()
{
    QVERIFY(GstMediaPlayer::initialize());
    QVERIFY(dir.isValid());
    files = {dir.filePath(QStringLiteral("one.mp3")), dir.filePath(QStringLiteral("two.wav"))};
    for (const QString& file : files) {
        const QString error = test::makeTone(file, 40);
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
}

void TestTransportGstreamer::randomPickAtTheNextTick()
{
    TablePlaylist list(files);
    GstMediaPlayer player;
    QString pause;
    double draw = 0.75; // floor(0.75 * 2): entry 1
    Transport transport(list, player, pause, {}, [&draw] { return draw; });
    // Timer100 as the window runs it: every 1000 ms while the continuation is on.
    QTimer timer100;
    timer100.setInterval(1000);
    QObject::connect(&timer100, &QTimer::timeout, &transport, &Transport::continuationTick);
    QObject::connect(&transport, &Transport::continuationChanged, &timer100,
                     [&timer100](bool on) { on ? timer100.start() : timer100.stop(); });
    timer100.start();

    transport.play();
    QCOMPARE(list.selected, 0);
    QVERIFY(player.Duration() > 3.9); // known when the entry starts
    transport.seek(3);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(QTest::qWaitFor([&] { return player.Duration() == player.CurrentPosition(); }, 3000));
    const qint64 ended = clock.elapsed();
    QVERIFY(QTest::qWaitFor([&] { return list.selected == 1; }, 1500));
    const qint64 picked = clock.elapsed();
    qInfo("end after %lld ms, random pick %lld ms later", ended, picked - ended);
    QVERIFY(picked - ended <= 1100);
    // The pick started the WAV from its start.
    QCOMPARE(player.Duration(), 4.0);
    QVERIFY(player.CurrentPosition() < 0.5);
    QCOMPARE(transport.lastPick(), std::optional<int>(1));
}

void TestTransportGstreamer::loopOffStaysAtTheEnd()
{
    TablePlaylist list(files);
    GstMediaPlayer player;
    QString pause;
    Transport transport(list, player, pause, {}, [] { return 0.75; });
    transport.startEntry(0);
    transport.loopToggle();
    QVERIFY(!transport.continuation());
    transport.seek(3);
    QVERIFY(QTest::qWaitFor([&] { return player.Duration() == player.CurrentPosition(); }, 3000));
    transport.continuationTick(); // Timer100 is off; even a tick starts nothing
    QTest::qWait(200);
    QCOMPARE(list.selected, 0);
    QCOMPARE(player.CurrentPosition(), player.Duration());
}

void TestTransportGstreamer::continuationMovesOnFromAFileThatDoesNotOpen_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("missing") << dir.filePath(QStringLiteral("missing.mp3"));
    QTest::newRow("a folder") << dir.path();
    QTest::newRow("not audio") << dir.filePath(QStringLiteral("notes.mp3"));
}

void TestTransportGstreamer::continuationMovesOnFromAFileThatDoesNotOpen()
{
    QFETCH(QString, file);
    QFile notes(dir.filePath(QStringLiteral("notes.mp3")));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("this is not audio at all\n");
    notes.close();
    TablePlaylist list({files.at(0), file, files.at(1)});
    GstMediaPlayer player;
    QString pause;
    Transport transport(list, player, pause, {}, [] { return 0.75; }); // entry 2
    QTimer timer100;
    timer100.setInterval(1000);
    QObject::connect(&timer100, &QTimer::timeout, &transport, &Transport::continuationTick);
    timer100.start();
    transport.startEntry(1);
    QVERIFY(QTest::qWaitFor([&] { return list.selected == 2; }, 1500));
    QCOMPARE(player.Duration(), 4.0);
    QVERIFY(QTest::qWaitFor([&] { return player.CurrentPosition() > 0; }, 1000));
}

QTEST_GUILESS_MAIN(TestTransportGstreamer)
#include "test_transport_gstreamer.moc"
