#pragma once

#include "platform/MediaPlayer.h"

#include <QHash>
#include <QSet>
#include <QStringList>

namespace vireo {

// A media player for tests: records every call and reports the position and duration that the
// test sets. Opening a file sets Duration from `durations` (or `defaultDuration`) and the
// position to 0; a path in `unopenable` fails to open and leaves no file open, with Duration and
// CurrentPosition both 0, as the real one.
class FakeMediaPlayer final : public MediaPlayer {
    Q_OBJECT
public:
    using MediaPlayer::MediaPlayer;

    enum class State { Closed, Stopped, Playing, Paused };

    bool setFileName(const QString& path) override;
    bool Play() override;
    bool Pause() override;
    bool Stop() override;
    double Duration() const override { return duration; }
    double CurrentPosition() const override { return position; }
    bool setCurrentPosition(double seconds) override;
    bool setVolume(int hundredthsOfDecibel) override;
    bool setBalance(int hundredthsOfDecibel) override;
    bool Mute() const override { return mute; }
    bool setMute(bool on) override;

    // The open file has played to its end: the position becomes the duration.
    void playToEnd() { position = duration; }

    // Every call, in order: "FileName /a.mp3", "Play", "Pause", "Stop", "CurrentPosition 30",
    // "Volume -625", "Balance 0", "Mute true".
    QStringList calls;
    QSet<QString> unopenable;
    QHash<QString, double> durations;
    double defaultDuration = 180;

    QString fileName; // the open file, empty when none
    State state = State::Closed;
    double duration = -1;
    double position = 0;
    int volume = 0;
    int balance = 0;
    bool mute = false;
};

} // namespace vireo
