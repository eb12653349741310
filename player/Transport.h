#pragma once

#include "player/TransportPlaylist.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

namespace vireo {

class MediaPlayer;

// The player's transport and play order: Play, Pause, Stop, Next, Back, the
// double-click start, the random pick `ran` with its last-pick rule, Randomize, Loop and the
// end-of-song continuation of Timer100. The window forwards its events here and shows what the
// signals say; every command runs its steps one by one, so a step
// that fails (no such entry, a file the component cannot open) is skipped and the next one runs.
class Transport : public QObject {
    Q_OBJECT
public:
    struct SongTag {
        QString artist;
        QString title;
    };
    // Reads a file's ID3v1 tag: the path is given with its trailing spaces removed.
    using TagReader = std::function<SongTag(const QString& path)>;
    // A uniform draw in [0, 1): the runtime's never-seeded generator unless a test gives one.
    using Random = std::function<double()>;

    // What the window shows when an entry starts.
    struct StartedEntry {
        QString songInfo;    // Label69
        int progressMaximum; // Slider1's maximum, whole seconds (0 while the length is unknown)
        QString scrollText;  // the title scroll's text
        QString caption;     // the window caption
    };

    // `pauseState` is the process-wide pause state ("True", "False" or empty before the first
    // Pause): it outlives the window, so the caller keeps it.
    Transport(TransportPlaylist& playlist, MediaPlayer& player, QString& pauseState,
              TagReader readTag, Random rnd = {}, QObject* parent = nullptr);

    // pctPlayD: start the first entry, without stop.
    void play();
    // List2 double-click: start the entry under the pointer, without stop.
    void startEntry(int i) { start(i, false); }
    // pctStopD.
    void stop();
    // pctPauseD.
    void pauseToggle();
    // pctFFD: the following entry, the first after the last, with stop.
    void next();
    // pctRRD: the previous entry, the last before the first; nothing with no selection.
    void back();
    // The random pick (Picture3, Timer100).
    void ran();
    // Label17: random mode on, only with more than one entry.
    void randomModeOn();
    // Label21: random mode off.
    void randomModeOff();
    // Label18: Loop, the continuation switch toggle.
    void loopToggle();
    // Timer100: a random pick when the component reports Duration == CurrentPosition.
    void continuationTick();
    // Slider1 moved by the user: seek to its value.
    void seek(int seconds);
    // Timer1: the song-progress slider's value, CurrentPosition in whole seconds.
    int trackedPosition() const;
    // Duration in whole seconds, 0 while unknown: the slider's maximum at the start of an entry,
    // and again once a length that was unknown then becomes known (our choice for a position
    // above the maximum: the window's Timer7 catches the maximum up).
    int progressMaximum() const;
    // Timer7: the elapsed-time label.
    QString elapsedText() const;

    bool continuation() const { return continuation_; }
    bool randomMode() const { return randomMode_; }
    std::optional<int> lastPick() const { return lastPick_; }
    // The "Loop" text colour (&HFFFF80 while the Loop switch last turned the continuation on).
    quint32 loopColour() const { return loopColour_; }
    const QString& pauseState() const { return pauseState_; }

Q_SIGNALS:
    // An entry started or a pause was resumed: Timer7 (elapsed time) switches on.
    void elapsedTimerOn();
    // An entry started: its song information, progress range and scrolling title.
    void entryStarted(const vireo::Transport::StartedEntry& entry);
    // Timer100 runs while the continuation is on.
    void continuationChanged(bool on);
    // Label21 and Picture3 shown (on) or Label17 shown (off).
    void randomModeChanged(bool on);
    void loopColourChanged(quint32 colour);

private:
    void start(int i, bool withStop);
    void setContinuation(bool on);

    TransportPlaylist& playlist_;
    MediaPlayer& player_;
    QString& pauseState_;
    TagReader readTag_;
    Random rnd_;
    std::optional<int> lastPick_;
    bool continuation_ = true;
    bool randomMode_ = false;
    quint32 loopColour_;
};

} // namespace vireo
