#pragma once

#include "player/PlayerDisplay.h"
#include "player/Playlist.h"
#include "player/ScrollingTitle.h"
#include "player/clsMP3.h"
#include "shell/PlayerWindow.h"

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QScrollBar;
class QSlider;
class QTimer;

namespace vireo {

class App;
class EventLabel;
class MediaPlayer;
class Transport;
class ImageBox;
class ShapeBox;

// The MP3 player: a small borderless window with its title area, transport buttons, sound
// controls and the playlist editor, which can be folded away.
class frmmp3 : public QWidget, public PlayerWindow {
    Q_OBJECT
public:
    explicit frmmp3(App& app);
    ~frmmp3() override;

    // Makes the window and runs its load sequence; the maker the program registers.
    static QWidget* create(App& app);

    // The heights with the playlist editor shown and folded away, in twips.
    static constexpr int fullHeight = 5265;
    static constexpr int foldedHeight = 2115;
    static constexpr int designWidth = 4500;

    // The one tag reader, kept for the window's life.
    clsMP3 mp3;

    // The media-player component: no visible part. App::newMediaPlayer makes it; without a
    // maker every command finds no file to play.
    MediaPlayer* MediaPlayer1;

    // Timers: position tracking 1 ms, title scroll 100 ms, elapsed time 100 ms
    // (off until the first start), end-of-song continuation 1000 ms.
    QTimer *Timer1, *Timer3, *Timer7, *Timer100;

    // Frame.
    EventLabel* Label24; // drag strip
    QLabel* Label16;     // caption on the strip
    ImageBox* pctMin;
    ImageBox* Image2; // close

    // Title area.
    ScrollingTitle* Label666;
    QLabel* Label69;  // artist and track
    QLabel* Label25;  // elapsed time
    QSlider* Slider1; // song progress

    // Transport.
    ImageBox *pctRRD, *pctPlayD, *pctPauseD, *pctStopD, *pctFFD;
    ImageBox* Picture3; // random next, over pctFFD, shown only in random mode
    ImageBox* pctLoad;
    EventLabel* Label17; // "Randomize" while random mode is off
    EventLabel* Label21; // "Randomize" while random mode is on
    EventLabel* Label18; // "Loop"

    // Sound.
    EventLabel* Label1; // "Volume:"
    EventLabel* label2; // volume percentage
    QScrollBar* HScroll1;
    QLabel* Label3;     // "Balance:"
    EventLabel* Label4; // balance position
    QScrollBar* HScroll2;
    EventLabel* lblMute;

    // Playlist editor.
    ImageBox* Picture5; // height toggle
    ImageBox* Image5;   // fold the editor away
    QLabel* Label22;    // "Playlist Editor"
    QLabel* Label20;    // "Playlist"
    QListWidget* List2; // display names
    QListWidget* List3; // file paths, hidden
    QLineEdit* Text100; // current playlist file, hidden
    EventLabel *Label13, *Label14, *Label15, *Label11, *Label12;
    // Backgrounds of the label buttons: 0 Load List, 1 Save List, 3 Add Song, 4 Delete Song,
    // 5 Clear All; 2 has no label.
    std::array<ShapeBox*, 6> Shape{};
    EventLabel *Label6, *Label9, *Label10; // Find MP3's, Buy CD's, Get Help
    ShapeBox *getmp3, *getcd, *gethelpe;

    // Help panel.
    QFrame* Picture100;
    QPlainTextEdit* Text600;
    EventLabel* Label23;

    // PlayerWindow.
    void loadplaylist(const QString& path) override;
    void setPlaylistPath(const QString& path) override;

    void saveplaylist();
    void endlist();

    // The entries as the two lists hold them.
    Playlist playlist() const;

    void Form_Load();
    void Form_Unload();

    void Label13_Click();
    void pctLoad_MouseUp();
    void Label14_MouseUp();
    void Label15_Click();
    void Label11_Click();
    void Label12_Click();

    void Label24_MouseDown();
    void pctMin_MouseUp();
    void Image2_Click();
    void Picture5_Click();
    void Image5_Click();
    void Label10_Click();
    void Picture100_DblClick();
    void Label6_Click();
    void Label9_Click();

    static QString helpText();

    // Transport and play order; the rules live in the transport.
    Transport& transport() { return *transport_; }
    void pctPlayD_Click();
    void pctPauseD_Click();
    void pctStopD_Click();
    void pctFFD_MouseUp();
    void pctRRD_MouseUp();
    void List2_DblClick(int row);
    void Label17_MouseUp();
    void Label21_Click();
    void Picture3_Click();
    void Label18_Click();
    void Slider1_MouseDown();
    void Slider1_MouseUp();
    void Slider1_Scroll();
    void Timer1_Timer();
    // Timer1 and Timer7 read the position when the whole second they show can next change
    // (display::msUntilShownSecondChanges), at least this often.
    static constexpr int longestTrackingTick = 1000;
    void Timer3_Timer();
    void Timer7_Timer();
    void Timer100_Timer();

    // Displays and sound controls.
    void HScroll1_Change();
    void Label1_DblClick();
    void label2_DblClick();
    void HScroll2_Change();
    void HScroll2_Scroll();
    void Label4_DblClick();
    void lblMute_MouseUp();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildEditor();
    void buildHelp();
    void showHelp(bool shown);
    void wire();
    void addSong();
    void showPlaylist(const Playlist& playlist);
    void selectInBoth(int row);
    void setHeightTwips(int heightTwips);
    int heightTwips() const;

    void wireTransport();
    // The interval to the next tick of a timer that read `position`; `lastRead` is what it read
    // the time before.
    static int nextTrackingTick(double position, double& lastRead);
    // A jump of the position (Stop, a seek, a new song, a resumed pause) shows at once, not at
    // the next planned tick.
    void trackSoon();
    void showEntry(int progressMaximum, const QString& songInfo, const QString& scrollText,
                   const QString& caption);
    void balanceUpdate();

    App& app_;
    bool unloaded_ = false;
    // The carry-over list as shown at load, kept only when the file did not read whole: such a
    // file is saved again only when the user changed the list.
    std::optional<Playlist> partialCarryOver_;
    class Lists;
    std::unique_ptr<Lists> lists_;
    std::unique_ptr<Transport> transport_;
    double timer1Read_ = -1.0; // the position each tracking timer read last (none yet: -1)
    double timer7Read_ = -1.0;
    display::TitleScroll scroll_;
    // Where the strip was grabbed, while the window moves itself (no window manager moves it).
    std::optional<QPoint> grab_;
    // The controls the shown help panel covers, taken out of reach (Tab, screen readers) until
    // it is closed.
    QList<QPointer<QWidget>> coveredByHelp_;
};

} // namespace vireo
