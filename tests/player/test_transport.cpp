#include "platform/VbRandom.h"
#include "platform/fakes/FakeMediaPlayer.h"
#include "player/PlayerDisplay.h"
#include "player/TablePlaylist.h"
#include "player/Transport.h"

#include <QSignalSpy>
#include <QTest>
#include <deque>
#include <memory>

using namespace vireo;

namespace {

// Draws scripted values, then 0.
struct ScriptedRandom {
    std::shared_ptr<std::deque<double>> values = std::make_shared<std::deque<double>>();
    double operator()() const
    {
        if (values->empty())
            return 0;
        const double v = values->front();
        values->pop_front();
        return v;
    }
};

// A transport over a table playlist and the fake player; tags are "Artist i" / "Title i".
struct Rig {
    explicit Rig(int n, int selected = -1) : list(n, selected) {}
    TablePlaylist list;
    FakeMediaPlayer player;
    QString pauseState;
    ScriptedRandom rnd;
    Transport transport{
        list, player, pauseState,
        [](const QString& path) {
            const QString i = path.section(QLatin1Char('/'), -1).section(QLatin1Char('.'), 0, 0);
            return Transport::SongTag{QStringLiteral("Artist ") + i, QStringLiteral("Title ") + i};
        },
        rnd};
};

QStringList started(int i, bool withStop)
{
    QStringList calls;
    if (withStop)
        calls << QStringLiteral("Stop");
    calls << QStringLiteral("FileName /music/%1.mp3").arg(i) << QStringLiteral("Play");
    return calls;
}

} // namespace

class TestTransport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nextBack_data();
    void nextBack();
    void playRestartsFromTheFirstEntry();
    void startShowsTheSong_data();
    void startShowsTheSong();
    void unopenableFileStillShowsItsSteps();
    void playOnEmptyPlaylist();
    void doubleClickStartsWithoutStop();
    void pause_data();
    void pause();
    void pauseKeepsPosition();
    void pauseStateOutlivesTheWindow();
    void randomPicksSkipTheLastPick();
    void randomNeverRepeatsWithTheRuntimeGenerator();
    void drawEqualToLastPickWaitsForTheNextTick();
    void oneEntryPlaylistContinuesOnce();
    void randomizeNeedsTwoEntries();
    void randomModeOnAndOff();
    void loopOffStopsAtTheEnd();
    void loopColours();
    void continuationIdleWithoutFile();
    void continuationWaitsForTheEnd();
    void continuationMovesOnFromAFileThatDoesNotOpen();
    void seekAndTracking_data();
    void seekAndTracking();
};

void TestTransport::nextBack_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("expected"); // the entry started, -1 for none
    QTest::newRow("next middle") << 3 << 1 << "next" << 2;
    QTest::newRow("next first") << 3 << 0 << "next" << 1;
    QTest::newRow("next last wraps") << 3 << 2 << "next" << 0;
    QTest::newRow("next no selection") << 3 << -1 << "next" << 0;
    QTest::newRow("next empty") << 0 << -1 << "next" << -1;
    QTest::newRow("next one entry") << 1 << 0 << "next" << 0;
    QTest::newRow("next one entry, none selected") << 1 << -1 << "next" << 0;
    QTest::newRow("back middle") << 3 << 1 << "back" << 0;
    QTest::newRow("back last") << 3 << 2 << "back" << 1;
    QTest::newRow("back first wraps") << 3 << 0 << "back" << 2;
    QTest::newRow("back no selection") << 3 << -1 << "back" << -1;
    QTest::newRow("back empty") << 0 << -1 << "back" << -1;
    QTest::newRow("back one entry") << 1 << 0 << "back" << 0;
}

void TestTransport::nextBack()
{
    QFETCH(int, count);
    QFETCH(int, selected);
    QFETCH(QString, command);
    QFETCH(int, expected);
    Rig rig(count, selected);
    QSignalSpy starts(&rig.transport, &Transport::entryStarted);
    if (command == QLatin1String("next"))
        rig.transport.next();
    else
        rig.transport.back();
    if (expected < 0) {
        QCOMPARE(rig.player.calls, QStringList());
        QCOMPARE(starts.count(), 0);
        QCOMPARE(rig.list.selected, selected);
        return;
    }
    QCOMPARE(rig.list.selected, expected);
    QCOMPARE(rig.player.calls, started(expected, true));
    QCOMPARE(starts.count(), 1);
    QCOMPARE(rig.player.state, FakeMediaPlayer::State::Playing);
}

void TestTransport::playRestartsFromTheFirstEntry()
{
    Rig rig(5);
    rig.transport.startEntry(3);
    QCOMPARE(rig.list.selected, 3);
    rig.player.calls.clear();
    rig.player.position = 42;
    rig.transport.play();
    QCOMPARE(rig.list.selected, 0);
    QCOMPARE(rig.player.calls, started(0, false));
    QCOMPARE(rig.player.fileName, QStringLiteral("/music/0.mp3"));
    QCOMPARE(rig.player.position, 0.0);
    QCOMPARE(rig.pauseState, QString()); // Play leaves the pause state alone
}

void TestTransport::startShowsTheSong_data()
{
    QTest::addColumn<double>("duration");
    QTest::addColumn<int>("maximum");
    QTest::newRow("whole") << 180.0 << 180;
    QTest::newRow("half to even down") << 214.5 << 214;
    QTest::newRow("half to even up") << 215.5 << 216;
    QTest::newRow("fraction") << 4.4 << 4;
    QTest::newRow("length unknown") << -1.0 << 0;
}

void TestTransport::startShowsTheSong()
{
    QFETCH(double, duration);
    QFETCH(int, maximum);
    Rig rig(3);
    rig.player.durations.insert(QStringLiteral("/music/1.mp3"), duration);
    QSignalSpy timer7(&rig.transport, &Transport::elapsedTimerOn);
    Transport::StartedEntry entry{};
    connect(&rig.transport, &Transport::entryStarted, this,
            [&entry](const Transport::StartedEntry& e) { entry = e; });
    rig.transport.startEntry(1);
    QCOMPARE(timer7.count(), 1);
    QCOMPARE(entry.songInfo, QStringLiteral("Artist: Artist 1\r\nTrack: Title 1"));
    QCOMPARE(entry.progressMaximum, maximum);
    QCOMPARE(entry.scrollText,
             QString(30, QLatin1Char(' ')) + QStringLiteral("Artist 1 - Title 1"));
    QCOMPARE(entry.caption, QStringLiteral("MP3 Player (Artist 1 - Title 1)"));
}

void TestTransport::unopenableFileStillShowsItsSteps()
{
    Rig rig(2);
    rig.player.unopenable.insert(QStringLiteral("/music/1.mp3"));
    QSignalSpy starts(&rig.transport, &Transport::entryStarted);
    QSignalSpy timer7(&rig.transport, &Transport::elapsedTimerOn);
    rig.transport.startEntry(1);
    // The failed FileName step is skipped; Play fails on no file; the display steps still run.
    QCOMPARE(rig.player.calls, started(1, false));
    QCOMPARE(rig.player.state, FakeMediaPlayer::State::Closed);
    QCOMPARE(timer7.count(), 1);
    QCOMPARE(starts.count(), 1);
    QCOMPARE(rig.list.selected, 1);
}

void TestTransport::playOnEmptyPlaylist()
{
    // Entry 0 does not exist: selecting it fails and the List3 text is empty, so FileName and
    // Play fail; the later steps run with a blank tag, as the ignore-and-continue rule gives.
    TablePlaylist list;
    FakeMediaPlayer player;
    QString pause;
    Transport transport(list, player, pause, [](const QString&) { return Transport::SongTag{}; });
    Transport::StartedEntry entry{};
    connect(&transport, &Transport::entryStarted, this,
            [&entry](const Transport::StartedEntry& e) { entry = e; });
    transport.play();
    QCOMPARE(player.calls, QStringList({QStringLiteral("FileName "), QStringLiteral("Play")}));
    QCOMPARE(entry.caption, QStringLiteral("MP3 Player ( - )"));
    QCOMPARE(entry.songInfo, QStringLiteral("Artist: \r\nTrack: "));
    QCOMPARE(list.selected, -1);
}

void TestTransport::doubleClickStartsWithoutStop()
{
    Rig rig(4, 0);
    rig.transport.startEntry(2);
    QCOMPARE(rig.player.calls, started(2, false));
    QCOMPARE(rig.list.selected, 2);
}

void TestTransport::pause_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QStringList>("presses"); // "pause" or "play"
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("timer7");
    const QString pause = QStringLiteral("pause");
    const QString play = QStringLiteral("play");
    const QStringList played = started(0, false);
    QTest::newRow("first pause of the run pauses")
        << QString() << QStringList{pause} << QStringList{QStringLiteral("Pause")} << "False" << 0;
    QTest::newRow("pause, pause resumes")
        << QString() << QStringList{pause, pause}
        << QStringList{QStringLiteral("Pause"), QStringLiteral("Play")} << "True" << 1;
    QTest::newRow("pause, pause, pause")
        << QString() << QStringList{pause, pause, pause}
        << QStringList{QStringLiteral("Pause"), QStringLiteral("Play"), QStringLiteral("Pause")}
        << "False" << 1;
    // Play does not touch the pause state: the Pause after it calls Play and leaves the song
    // playing; only the press after that pauses.
    QTest::newRow("pause, play, pause keeps playing")
        << QString() << QStringList{pause, play, pause}
        << (QStringList{QStringLiteral("Pause")} + played + QStringList{QStringLiteral("Play")})
        << "True" << 2;
    QTest::newRow("pause, play, pause, pause")
        << QString() << QStringList{pause, play, pause, pause}
        << (QStringList{QStringLiteral("Pause")} + played +
            QStringList{QStringLiteral("Play"), QStringLiteral("Pause")})
        << "False" << 2;
    QTest::newRow("state True pauses")
        << "True" << QStringList{pause} << QStringList{QStringLiteral("Pause")} << "False" << 0;
    QTest::newRow("state False resumes")
        << "False" << QStringList{pause} << QStringList{QStringLiteral("Play")} << "True" << 1;
    QTest::newRow("other text counts as unset")
        << "x" << QStringList{pause} << QStringList{QStringLiteral("Pause")} << "False" << 0;
}

void TestTransport::pause()
{
    QFETCH(QString, initial);
    QFETCH(QStringList, presses);
    QFETCH(QStringList, calls);
    QFETCH(QString, state);
    QFETCH(int, timer7);
    Rig rig(2);
    rig.player.setFileName(QStringLiteral("/music/0.mp3"));
    rig.player.Play();
    rig.player.calls.clear();
    rig.pauseState = initial;
    QSignalSpy elapsed(&rig.transport, &Transport::elapsedTimerOn);
    for (const QString& press : presses) {
        if (press == QLatin1String("pause"))
            rig.transport.pauseToggle();
        else
            rig.transport.play();
    }
    QCOMPARE(rig.player.calls, calls);
    QCOMPARE(rig.pauseState, state);
    QCOMPARE(elapsed.count(), timer7);
}

void TestTransport::pauseKeepsPosition()
{
    Rig rig(1);
    rig.transport.play();
    rig.player.position = 42.25;
    rig.transport.pauseToggle();
    QCOMPARE(rig.player.state, FakeMediaPlayer::State::Paused);
    rig.transport.pauseToggle();
    QCOMPARE(rig.player.state, FakeMediaPlayer::State::Playing);
    QCOMPARE(rig.player.position, 42.25);
}

void TestTransport::pauseStateOutlivesTheWindow()
{
    QString processWide; // App's value: the window and its transport come and go
    FakeMediaPlayer player;
    TablePlaylist list(1);
    {
        Transport first(list, player, processWide, {});
        first.pauseToggle();
    }
    QCOMPARE(processWide, QStringLiteral("False"));
    player.calls.clear();
    Transport second(list, player, processWide, {});
    second.pauseToggle();
    QCOMPARE(player.calls, QStringList{QStringLiteral("Play")});
    QCOMPARE(processWide, QStringLiteral("True"));
}

void TestTransport::randomPicksSkipTheLastPick()
{
    Rig rig(4);
    // floor(x * 4): 0, 0, 3, 3, 1, 0
    *rig.rnd.values = {0.1, 0.2, 0.99, 0.75, 0.26, 0.0};
    QList<int> startedEntries;
    connect(&rig.transport, &Transport::entryStarted, this,
            [&] { startedEntries.append(rig.list.selected); });
    for (int i = 0; i < 6; ++i)
        rig.transport.ran();
    QCOMPARE(startedEntries, QList<int>({0, 3, 1, 0}));
    QCOMPARE(rig.transport.lastPick(), std::optional<int>(0));
    QCOMPARE(rig.player.calls.mid(0, 3), started(0, true));
}

void TestTransport::randomNeverRepeatsWithTheRuntimeGenerator()
{
    TablePlaylist list(5);
    FakeMediaPlayer player;
    QString pause;
    vb::Random generator;
    Transport transport(list, player, pause, {}, [&generator] { return generator.next(); });
    QList<int> startedEntries;
    connect(&transport, &Transport::entryStarted, this,
            [&] { startedEntries.append(list.selected); });
    for (int i = 0; i < 500; ++i)
        transport.ran();
    QVERIFY(startedEntries.size() > 300);
    for (qsizetype i = 1; i < startedEntries.size(); ++i)
        QVERIFY2(startedEntries.at(i) != startedEntries.at(i - 1), qPrintable(QString::number(i)));
    // The never-seeded generator: 0.7055475 * 5 gives entry 3 first in every run.
    QCOMPARE(startedEntries.first(), 3);
}

void TestTransport::drawEqualToLastPickWaitsForTheNextTick()
{
    Rig rig(3);
    *rig.rnd.values = {0.5, 0.5, 0.9};
    rig.transport.ran(); // entry 1
    QCOMPARE(rig.list.selected, 1);
    rig.player.playToEnd();
    rig.player.calls.clear();
    rig.transport.continuationTick(); // draws 1 again: nothing starts
    QCOMPARE(rig.player.calls, QStringList());
    QCOMPARE(rig.player.position, rig.player.duration);
    rig.transport.continuationTick(); // draws 2
    QCOMPARE(rig.list.selected, 2);
    QCOMPARE(rig.player.calls, started(2, true));
}

void TestTransport::oneEntryPlaylistContinuesOnce()
{
    Rig rig(1);
    rig.transport.play(); // no random pick yet
    rig.player.playToEnd();
    rig.player.calls.clear();
    rig.transport.continuationTick(); // the pick 0 is new: it starts the entry
    QCOMPARE(rig.player.calls, started(0, true));
    rig.player.playToEnd();
    rig.player.calls.clear();
    for (int i = 0; i < 10; ++i)
        rig.transport.continuationTick();
    QCOMPARE(rig.player.calls, QStringList());
    QCOMPARE(rig.player.position, rig.player.duration);
}

void TestTransport::randomizeNeedsTwoEntries()
{
    for (int n : {0, 1}) {
        Rig rig(n);
        QSignalSpy mode(&rig.transport, &Transport::randomModeChanged);
        QSignalSpy continuation(&rig.transport, &Transport::continuationChanged);
        rig.transport.loopToggle(); // continuation off, so a change would show
        rig.transport.randomModeOn();
        QCOMPARE(mode.count(), 0);
        QCOMPARE(rig.transport.randomMode(), false);
        QCOMPARE(continuation.count(), 1);
        QCOMPARE(rig.transport.continuation(), false);
        QCOMPARE(rig.player.calls, QStringList());
    }
}

void TestTransport::randomModeOnAndOff()
{
    Rig rig(3, 0);
    rig.transport.loopToggle(); // Loop off: buttonFace
    QCOMPARE(rig.transport.continuation(), false);
    QSignalSpy mode(&rig.transport, &Transport::randomModeChanged);
    QSignalSpy colour(&rig.transport, &Transport::loopColourChanged);
    *rig.rnd.values = {0.9, 0.1};
    rig.transport.randomModeOn();
    QCOMPARE(mode.count(), 1);
    QCOMPARE(mode.at(0).at(0).toBool(), true);
    QCOMPARE(rig.transport.randomMode(), true);
    QCOMPARE(rig.transport.continuation(), true);
    QCOMPARE(colour.count(), 0); // random mode does not recolour "Loop"
    QCOMPARE(rig.transport.loopColour(), display::buttonFace);
    QCOMPARE(rig.list.selected, 2); // the random pick
    // Next in random mode is Picture3, lying over pctFFD: a random pick.
    rig.transport.ran();
    QCOMPARE(rig.list.selected, 0);
    rig.transport.randomModeOff();
    QCOMPARE(mode.count(), 2);
    QCOMPARE(rig.transport.randomMode(), false);
    QCOMPARE(rig.transport.continuation(), false);
    rig.transport.next(); // the following entry again
    QCOMPARE(rig.list.selected, 1);
}

void TestTransport::loopOffStopsAtTheEnd()
{
    Rig rig(3);
    rig.transport.play();
    rig.transport.loopToggle();
    QCOMPARE(rig.transport.continuation(), false);
    rig.player.playToEnd();
    rig.player.calls.clear();
    // Timer100 does not run while the continuation is off; a tick changes nothing either.
    rig.transport.continuationTick();
    QCOMPARE(rig.player.calls, QStringList());
    QCOMPARE(rig.player.position, rig.player.duration);
    QCOMPARE(rig.list.selected, 0);
}

void TestTransport::loopColours()
{
    Rig rig(2);
    QCOMPARE(rig.transport.continuation(), true);
    QCOMPARE(rig.transport.loopColour(), display::lightCyan);
    QSignalSpy colour(&rig.transport, &Transport::loopColourChanged);
    QSignalSpy continuation(&rig.transport, &Transport::continuationChanged);
    rig.transport.loopToggle();
    QCOMPARE(rig.transport.loopColour(), quint32(0x8000000F));
    QCOMPARE(continuation.last().at(0).toBool(), false);
    rig.transport.loopToggle();
    QCOMPARE(rig.transport.loopColour(), quint32(0xFFFF80));
    QCOMPARE(continuation.last().at(0).toBool(), true);
    QCOMPARE(colour.count(), 2);
}

void TestTransport::continuationIdleWithoutFile()
{
    // No file open: the component's Duration (-1) and CurrentPosition (0) differ, so nothing
    // starts by itself when the window opens.
    Rig rig(3);
    QVERIFY(rig.player.Duration() != rig.player.CurrentPosition());
    for (int i = 0; i < 5; ++i)
        rig.transport.continuationTick();
    QCOMPARE(rig.player.calls, QStringList());
}

void TestTransport::continuationWaitsForTheEnd()
{
    Rig rig(3);
    *rig.rnd.values = {0.9};
    rig.transport.play();
    rig.player.position = rig.player.duration - 0.001;
    rig.player.calls.clear();
    rig.transport.continuationTick();
    QCOMPARE(rig.player.calls, QStringList());
    rig.player.playToEnd();
    rig.transport.continuationTick();
    QCOMPARE(rig.list.selected, 2);
}

void TestTransport::continuationMovesOnFromAFileThatDoesNotOpen()
{
    // Alpha, a missing file, Beta, with the continuation on: the end of Alpha draws the missing
    // file, which reads as ended at once, so the next tick goes on to Beta.
    Rig rig(3);
    rig.player.unopenable.insert(QStringLiteral("/music/1.mp3"));
    *rig.rnd.values = {0.5, 0.9}; // entries 1, then 2
    QStringList captions;
    connect(&rig.transport, &Transport::entryStarted, this,
            [&captions](const Transport::StartedEntry& e) { captions.append(e.caption); });
    rig.transport.play();
    rig.player.playToEnd();
    rig.transport.continuationTick();
    QCOMPARE(rig.list.selected, 1);
    QCOMPARE(rig.player.state, FakeMediaPlayer::State::Closed);
    rig.transport.continuationTick();
    QCOMPARE(rig.list.selected, 2);
    QCOMPARE(rig.player.state, FakeMediaPlayer::State::Playing);
    QCOMPARE(captions.size(), 3);
    QCOMPARE(captions.last(), QStringLiteral("MP3 Player (Artist 2 - Title 2)"));
    // With the continuation off the player stays on the file that did not open.
    rig.transport.startEntry(1);
    rig.transport.loopToggle();
    rig.player.calls.clear();
    rig.transport.continuationTick();
    QCOMPARE(rig.player.calls, QStringList());
    QCOMPARE(rig.list.selected, 1);
}

void TestTransport::seekAndTracking_data()
{
    QTest::addColumn<double>("position");
    QTest::addColumn<int>("slider");
    QTest::addColumn<QString>("elapsed");
    QTest::newRow("start") << 0.0 << 0 << "00:00:00";
    QTest::newRow("half to even down") << 2.5 << 2 << "00:00:02";
    QTest::newRow("half to even up") << 3.5 << 4 << "00:00:04";
    QTest::newRow("59.6") << 59.6 << 60 << "00:01:00";
    QTest::newRow("3725") << 3725.0 << 3725 << "01:02:05";
}

void TestTransport::seekAndTracking()
{
    QFETCH(double, position);
    QFETCH(int, slider);
    QFETCH(QString, elapsed);
    Rig rig(1);
    rig.player.defaultDuration = 4000;
    rig.transport.play();
    rig.player.position = position;
    QCOMPARE(rig.transport.trackedPosition(), slider);
    QCOMPARE(rig.transport.elapsedText(), elapsed);
    rig.player.calls.clear();
    rig.transport.seek(30);
    QCOMPARE(rig.player.calls, QStringList{QStringLiteral("CurrentPosition 30")});
    QCOMPARE(rig.player.position, 30.0);
    QCOMPARE(rig.transport.trackedPosition(), 30);
}

QTEST_GUILESS_MAIN(TestTransport)
#include "test_transport.moc"
