// The player window's transport and displays over the fake component: the window only forwards
// its events to the transport and shows what it says.
#include "AudioFiles.h"
#include "platform/fakes/FakeMediaPlayer.h"
#include "platform/fakes/MemorySettingsStore.h"
#include "platform/fakes/ScriptedDialogs.h"
#include "player/EventLabel.h"
#include "player/PlayerArt.h"
#include "player/PlaylistFile.h"
#include "player/Transport.h"
#include "player/frmmp3.h"
#include "shell/App.h"
#include "shell/ImageBox.h"
#include "support/AppFixture.h"
#include "support/MouseInput.h"

#include <QListWidget>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace vireo;

namespace {

struct Rig : test::AppFixture {
    FakeMediaPlayer* player = nullptr;

    Rig()
    {
        app.newMediaPlayer = [this](QObject* parent) {
            player = new FakeMediaPlayer(parent);
            return player;
        };
    }

    // Three tagged songs in the carry-over playlist, so the window loads them.
    void threeSongs()
    {
        Playlist list;
        const char* names[][2] = {{"Ann", "One"}, {"Bob", "Two"}, {"Cy", "Three"}};
        for (int i = 0; i < 3; ++i) {
            const QString path = dir.filePath(QStringLiteral("%1.mp3").arg(i));
            vireo::test::writeSong(path, vireo::test::id3v1(names[i][1], names[i][0]));
            list.append(QString::fromLatin1(names[i][0]) + QStringLiteral(" - ") +
                            QString::fromLatin1(names[i][1]),
                        path);
        }
        PlaylistFile::save(dir.filePath(QStringLiteral("blank.vr3")), list);
    }

    std::unique_ptr<frmmp3> open()
    {
        auto w = std::make_unique<frmmp3>(app);
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->Form_Load();
        return w;
    }
};

// Counts the layout requests an object receives.
class LayoutRequests : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::LayoutRequest)
            ++count;
        return false;
    }
};

int selectedRow(const QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? list->currentRow() : -1;
}

} // namespace

class TestFrmmp3Transport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void atLoad();
    void playShowsTheSong();
    void nextBackAndDoubleClick();
    void pauseStateLivesForTheRun();
    void doubleClickOnPausePausesOnce();
    void randomModeShowsItsControls();
    void randomizeWithOneEntryChangesNothing();
    void loopColoursAndContinuation();
    void continuationAfterTheEnd();
    void noComponentMakesCommandsDoNothing();
    void sliderTrackingAndSeeking();
    void trackingTicksWhenTheShownSecondChanges();
    void elapsedTimeAndLateLength();
    void titleScroll();
    void displayTicksAskForNoLayout();
    void volumeControls();
    void balanceControls();
    void mute();
    void offsetPressedLook();
};

void TestFrmmp3Transport::atLoad()
{
    Rig rig;
    auto w = rig.open();
    QVERIFY(rig.player);
    QVERIFY(w->Timer1->isActive());
    QVERIFY(w->Timer3->isActive());
    QVERIFY(!w->Timer7->isActive());
    QVERIFY(w->Timer100->isActive());
    QCOMPARE(w->Timer1->interval(), 16); // described as 1 ms: no window timer runs faster
    QCOMPARE(w->Timer3->interval(), 100);
    QCOMPARE(w->Timer7->interval(), 100);
    QCOMPARE(w->Timer100->interval(), 1000);
    QCOMPARE(w->HScroll1->value(), 1875);
    QCOMPARE(w->label2->text(), QStringLiteral("75 %"));
    QCOMPARE(rig.player->volume, -625);
    QCOMPARE(w->Label4->text(), QStringLiteral("Center"));
    QVERIFY(w->Label17->isVisibleTo(w.get()));
    QVERIFY(!w->Label21->isVisibleTo(w.get()));
    QVERIFY(!w->Picture3->isVisibleTo(w.get()));
    QCOMPARE(w->Picture3->geometry(), w->pctFFD->geometry());
    QCOMPARE(w->Picture3->toolTip(), QStringLiteral("Next"));
    QCOMPARE(w->Label18->textColor(), PlayerArt::cyan());
    QCOMPARE(w->Label25->text(), QStringLiteral("00:00:00"));
    QCOMPARE(w->Label666->text(), QString(30, QLatin1Char(' ')) + QStringLiteral("MP3 Player "));
    // The continuation runs from the start, but no file is open: nothing starts by itself.
    w->Timer100_Timer();
    QCOMPARE(rig.player->calls.filter(QStringLiteral("FileName")), QStringList());
}

void TestFrmmp3Transport::playShowsTheSong()
{
    Rig rig;
    rig.threeSongs();
    auto w = rig.open();
    rig.player->defaultDuration = 215.5;
    w->pctPlayD_Click();
    QCOMPARE(selectedRow(w->List2), 0);
    QCOMPARE(w->List3->currentRow(), 0);
    QCOMPARE(rig.player->fileName, rig.dir.filePath(QStringLiteral("0.mp3")));
    QCOMPARE(rig.player->state, FakeMediaPlayer::State::Playing);
    QCOMPARE(w->windowTitle(), QStringLiteral("MP3 Player (Ann - One)"));
    QCOMPARE(w->Label69->text(), QStringLiteral("Artist: Ann\nTrack: One"));
    QCOMPARE(w->Slider1->maximum(), 216);
    QVERIFY(w->Timer7->isActive());
    w->Timer3_Timer();
    QCOMPARE(w->Label666->text(), QString(29, QLatin1Char(' ')) + QStringLiteral("Ann - One "));
}

void TestFrmmp3Transport::nextBackAndDoubleClick()
{
    Rig rig;
    rig.threeSongs();
    auto w = rig.open();
    w->pctRRD_MouseUp(); // no selection: nothing
    QCOMPARE(rig.player->calls.filter(QStringLiteral("FileName")), QStringList());
    w->pctFFD_MouseUp(); // no selection: the first
    QCOMPARE(selectedRow(w->List2), 0);
    w->pctRRD_MouseUp(); // the first: the last
    QCOMPARE(selectedRow(w->List2), 2);
    QCOMPARE(w->windowTitle(), QStringLiteral("MP3 Player (Cy - Three)"));
    w->pctFFD_MouseUp(); // the last: the first
    QCOMPARE(selectedRow(w->List2), 0);
    rig.player->calls.clear();
    Q_EMIT w->List2->itemDoubleClicked(w->List2->item(1));
    QCOMPARE(selectedRow(w->List2), 1);
    QCOMPARE(rig.player->calls.first(),
             QStringLiteral("FileName ") + rig.dir.filePath(QStringLiteral("1.mp3")));
    w->pctStopD_Click();
    QCOMPARE(rig.player->calls.last(), QStringLiteral("Stop"));
    QCOMPARE(selectedRow(w->List2), 1);
}

void TestFrmmp3Transport::pauseStateLivesForTheRun()
{
    Rig rig;
    rig.threeSongs();
    {
        auto w = rig.open();
        w->pctPlayD_Click();
        w->pctPauseD_Click();
        QCOMPARE(rig.player->state, FakeMediaPlayer::State::Paused);
        w->close();
    }
    QCOMPARE(rig.app.pausestate, QStringLiteral("False"));
    auto w = rig.open(); // a new window, a new component, the same pause state
    w->pctPlayD_Click();
    rig.player->calls.clear();
    w->pctPauseD_Click(); // "False": resumes
    QCOMPARE(rig.player->calls, QStringList{QStringLiteral("Play")});
    QCOMPARE(rig.app.pausestate, QStringLiteral("True"));
}

void TestFrmmp3Transport::doubleClickOnPausePausesOnce()
{
    Rig rig;
    rig.threeSongs();
    auto w = rig.open();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    w->pctPlayD_Click();
    rig.player->calls.clear();
    test::doubleClickThroughWindow(w->pctPauseD);
    QCOMPARE(rig.player->calls, QStringList{QStringLiteral("Pause")});
    QCOMPARE(rig.player->state, FakeMediaPlayer::State::Paused);
}

void TestFrmmp3Transport::randomModeShowsItsControls()
{
    Rig rig;
    rig.threeSongs();
    auto w = rig.open();
    w->Label17_MouseUp();
    QVERIFY(w->Label21->isVisibleTo(w.get()));
    QVERIFY(!w->Label17->isVisibleTo(w.get()));
    QVERIFY(w->Picture3->isVisibleTo(w.get()));
    QVERIFY(w->Timer100->isActive());
    // The never-seeded generator's first draws pick different entries in turn.
    const int first = selectedRow(w->List2);
    QVERIFY(first >= 0);
    QCOMPARE(w->transport().lastPick(), std::optional<int>(first));
    w->Picture3_Click(); // Next, in random mode
    QVERIFY(selectedRow(w->List2) >= 0);
    w->Label21_Click();
    QVERIFY(!w->Label21->isVisibleTo(w.get()));
    QVERIFY(w->Label17->isVisibleTo(w.get()));
    QVERIFY(!w->Picture3->isVisibleTo(w.get()));
    QVERIFY(!w->Timer100->isActive());
    QCOMPARE(w->Label18->textColor(), PlayerArt::cyan()); // random mode never recolours Loop
}

void TestFrmmp3Transport::randomizeWithOneEntryChangesNothing()
{
    Rig rig;
    Playlist one;
    one.append(QStringLiteral("x"), QStringLiteral("/m/x.mp3"));
    PlaylistFile::save(rig.dir.filePath(QStringLiteral("blank.vr3")), one);
    auto w = rig.open();
    w->Label17_MouseUp();
    QVERIFY(w->Label17->isVisibleTo(w.get()));
    QVERIFY(!w->Picture3->isVisibleTo(w.get()));
    QCOMPARE(rig.player->calls.filter(QStringLiteral("FileName")), QStringList());
}

void TestFrmmp3Transport::loopColoursAndContinuation()
{
    Rig rig;
    auto w = rig.open();
    w->Label18_Click();
    QVERIFY(!w->Timer100->isActive());
    QCOMPARE(w->Label18->textColor(), PlayerArt::buttonFace());
    w->Label18_Click();
    QVERIFY(w->Timer100->isActive());
    QCOMPARE(w->Label18->textColor(), PlayerArt::cyan());
}

void TestFrmmp3Transport::continuationAfterTheEnd()
{
    Rig rig;
    rig.threeSongs();
    auto w = rig.open();
    w->pctPlayD_Click();
    rig.player->playToEnd();
    rig.player->calls.clear();
    w->Timer100_Timer(); // a new window has no last pick: whatever is drawn starts
    const int picked = selectedRow(w->List2);
    QVERIFY(picked >= 0);
    QCOMPARE(w->transport().lastPick(), std::optional<int>(picked));
    QCOMPARE(rig.player->calls.mid(0, 3),
             QStringList({QStringLiteral("Stop"),
                          QStringLiteral("FileName ") +
                              rig.dir.filePath(QStringLiteral("%1.mp3").arg(picked)),
                          QStringLiteral("Play")}));
}

void TestFrmmp3Transport::noComponentMakesCommandsDoNothing()
{
    test::AppFixture f;
    frmmp3 w(f.app);
    w.setAttribute(Qt::WA_DeleteOnClose, false);
    w.Form_Load();
    w.pctPlayD_Click();
    w.pctPauseD_Click();
    w.Timer100_Timer();
    w.Timer1_Timer();
    QCOMPARE(w.Slider1->value(), 0);
    QCOMPARE(w.label2->text(), QStringLiteral("75 %"));
}

void TestFrmmp3Transport::sliderTrackingAndSeeking()
{
    Rig rig;
    rig.threeSongs();
    auto w = rig.open();
    w->pctPlayD_Click();
    rig.player->position = 42.5;
    w->Timer1_Timer();
    QCOMPARE(w->Slider1->value(), 42); // halves to even
    // Pressing the slider suspends the tracking; releasing resumes it.
    w->Slider1->setSliderDown(true);
    QVERIFY(!w->Timer1->isActive());
    w->Slider1->setSliderPosition(30); // the user drags it to 30: a seek
    QCOMPARE(rig.player->calls.last(), QStringLiteral("CurrentPosition 30"));
    QCOMPARE(rig.player->position, 30.0);
    w->Slider1->setSliderDown(false);
    QVERIFY(w->Timer1->isActive());
    w->Timer1_Timer();
    QCOMPARE(w->Slider1->value(), 30);
    // A value set by the tracking is no seek.
    rig.player->calls.clear();
    rig.player->position = 50;
    w->Timer1_Timer();
    QCOMPARE(rig.player->calls, QStringList());
}

// The position displays are read when the whole second they show can change, not 60 times a
// second; a position that stands still is read seldom, and a jump (Stop) at the next shortest
// tick.
void TestFrmmp3Transport::trackingTicksWhenTheShownSecondChanges()
{
    Rig rig;
    rig.threeSongs();
    auto w = rig.open();
    w->pctPlayD_Click();
    QVERIFY(w->Timer7->isActive());
    rig.player->position = 42.3;
    w->Timer1_Timer();
    w->Timer7_Timer();
    QCOMPARE(w->Timer1->interval(), 201);
    QCOMPARE(w->Timer7->interval(), 201);
    rig.player->position = 42.6; // playing on
    w->Timer1_Timer();
    QCOMPARE(w->Timer1->interval(), 901);
    w->Timer1_Timer(); // paused: the position stands still
    QCOMPARE(w->Timer1->interval(), frmmp3::longestTrackingTick);
    w->pctStopD_Click();
    QCOMPARE(w->Timer1->interval(), 16);
    QCOMPARE(w->Timer7->interval(), 16);
    QVERIFY(w->Timer1->isActive());
}

void TestFrmmp3Transport::elapsedTimeAndLateLength()
{
    Rig rig;
    rig.threeSongs();
    auto w = rig.open();
    rig.player->defaultDuration = -1; // an MP3 whose length is learned while it plays
    w->pctPlayD_Click();
    QCOMPARE(w->Slider1->maximum(), 0);
    rig.player->position = 3725;
    rig.player->duration = 4000;
    w->Timer7_Timer();
    QCOMPARE(w->Label25->text(), QStringLiteral("01:02:05"));
    QCOMPARE(w->Slider1->maximum(), 4000);
    rig.player->position = 59.6;
    w->Timer7_Timer();
    QCOMPARE(w->Label25->text(), QStringLiteral("00:01:00"));
}

void TestFrmmp3Transport::titleScroll()
{
    Rig rig;
    auto w = rig.open();
    const QString start = w->Label666->text();
    for (int i = 0; i < 40; ++i)
        w->Timer3_Timer();
    QVERIFY(w->Label666->text() != start);
    w->Timer3_Timer(); // 41 ticks: 4.1 s
    QCOMPARE(w->Label666->text(), start);
}

void TestFrmmp3Transport::displayTicksAskForNoLayout()
{
    // The title scroll rewrites Label666 ten times a second and Timer7 rewrites Label25: on a
    // shown window neither may ask the display to lay out again, an extra event on every tick.
    Rig rig;
    auto w = rig.open();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QWidget* display = w->Label666->parentWidget();
    QCOMPARE(w->Label25->parentWidget(), display);
    w->pctPlayD_Click();
    QCoreApplication::processEvents();
    LayoutRequests requests;
    display->installEventFilter(&requests);
    const QString title = w->Label666->text();
    for (const double position : {1.0, 61.0, 3725.0}) {
        rig.player->position = position;
        w->Timer3_Timer();
        w->Timer7_Timer();
        QCoreApplication::processEvents();
    }
    QVERIFY(w->Label666->text() != title);
    QCOMPARE(w->Label25->text(), QStringLiteral("01:02:05"));
    QCOMPARE(requests.count, 0);
    QCOMPARE(w->Label666->geometry(), QRect(4, 1, 280, 17));
    QCOMPARE(w->Label25->geometry(), QRect(206, 24, 76, 16));
}

void TestFrmmp3Transport::volumeControls()
{
    Rig rig;
    auto w = rig.open();
    w->Label1_DblClick();
    QCOMPARE(w->HScroll1->value(), 2500);
    QCOMPARE(w->label2->text(), QStringLiteral("100 %"));
    QCOMPARE(rig.player->volume, 0);
    w->label2_DblClick();
    QCOMPARE(w->label2->text(), QStringLiteral("50 %"));
    QCOMPARE(rig.player->volume, -1250);
    w->HScroll1->setValue(24);
    QCOMPARE(w->label2->text(), QStringLiteral("0 %"));
    QCOMPARE(rig.player->volume, -2476);
    QCOMPARE(w->HScroll1->minimum(), 0);
    QCOMPARE(w->HScroll1->maximum(), 2500);
    QCOMPARE(w->HScroll1->singleStep(), 10);
    QCOMPARE(w->HScroll1->pageStep(), 500);
}

void TestFrmmp3Transport::balanceControls()
{
    Rig rig;
    auto w = rig.open();
    const std::pair<int, const char*> rows[] = {{-501, "Left"},  {-500, "Left"}, {-499, "Center"},
                                                {500, "Center"}, {501, "Right"}, {499, "Center"}};
    for (const auto& [value, text] : rows) {
        w->HScroll2->setValue(value);
        QCOMPARE(w->Label4->text(), QString::fromLatin1(text));
        QCOMPARE(rig.player->balance, value);
    }
    w->HScroll2->setValue(-5000);
    w->Label4_DblClick();
    QCOMPARE(w->HScroll2->value(), 0);
    QCOMPARE(w->Label4->text(), QStringLiteral("Center"));
    QCOMPARE(rig.player->balance, 0);
}

void TestFrmmp3Transport::mute()
{
    Rig rig;
    auto w = rig.open();
    w->lblMute_MouseUp();
    QVERIFY(rig.player->mute);
    QCOMPARE(w->label2->text(), QStringLiteral("Mute"));
    QVERIFY(!w->HScroll1->isEnabled());
    QCOMPARE(w->lblMute->textColor(), PlayerArt::buttonFace());
    w->lblMute_MouseUp();
    QVERIFY(!rig.player->mute);
    QCOMPARE(w->label2->text(), QStringLiteral("75 %"));
    QVERIFY(w->HScroll1->isEnabled());
    QCOMPARE(w->lblMute->textColor(), PlayerArt::cyan());
    QCOMPARE(rig.player->volume, -625);
}

void TestFrmmp3Transport::offsetPressedLook()
{
    Rig rig;
    auto w = rig.open();
    const QPoint at = w->Label18->pos();
    Q_EMIT w->Label18->MouseDown();
    QCOMPARE(w->Label18->pos(), at + QPoint(1, 1));
    Q_EMIT w->Label18->MouseUp();
    QCOMPARE(w->Label18->pos(), at);
}

QTEST_MAIN(TestFrmmp3Transport)
#include "test_frmmp3_transport.moc"
