#pragma once

#include <QObject>
#include <QString>

namespace vireo {

// The hosted media-player component: exactly the operations the player window uses,
// under the component's own names. An operation that cannot be done (no file open, a file that
// cannot be opened) returns false and changes nothing else; callers skip the step and go on
// with the next one. Nothing here shows a message.
//
// Duration and CurrentPosition (seconds, fractional):
// - before any file has been named: Duration is -1 and CurrentPosition is 0, so the end-of-song
//   test does not start a song by itself when the player window opens;
// - after FileName named a file that cannot be opened (missing, a folder, not audio): both are 0.
//   Such a file counts as one that has played to its end at once, as a file that breaks while
//   playing does, so the continuation goes on to another song instead of waiting for good;
// - while an open file's length is not yet known: Duration is -1;
// - CurrentPosition equals Duration exactly once the file has played to its end, and never
//   before (the end-of-song test compares the two with ==).
//
// Volume and Balance are in hundredths of a decibel, as the player's stored settings and
// sliders count them:
// Volume 0 is full level and -2500 plays 25 dB quieter (range -10000..0); Balance -5000 turns the
// right channel down by 50 dB and leaves the left alone, +5000 the mirror (range -10000..10000).
class MediaPlayer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~MediaPlayer() override = default;

    // FileName, written: closes the current file and opens `path`, ready to Play from its start.
    // False when the file cannot be opened; then no file is open and Play does nothing.
    virtual bool setFileName(const QString& path) = 0;

    // Starts the open file, or resumes it after Pause; after the end it starts again from the
    // beginning.
    virtual bool Play() = 0;
    // Pauses, keeping the position.
    virtual bool Pause() = 0;
    // Stops playback and rewinds to the start; the file stays open.
    virtual bool Stop() = 0;

    virtual double Duration() const = 0;
    virtual double CurrentPosition() const = 0;
    // Seeks; a value outside 0..Duration is clamped into it.
    virtual bool setCurrentPosition(double seconds) = 0;

    virtual bool setVolume(int hundredthsOfDecibel) = 0;
    virtual bool setBalance(int hundredthsOfDecibel) = 0;

    // Silences the output without changing Volume.
    virtual bool Mute() const = 0;
    virtual bool setMute(bool mute) = 0;
};

} // namespace vireo
