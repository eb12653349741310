#pragma once

#include "platform/MediaPlayer.h"

namespace vireo {

// The component when the program has none to give: every operation fails, no file is ever open
// (Duration -1, CurrentPosition 0), so the player's commands do nothing.
class NullMediaPlayer final : public MediaPlayer {
    Q_OBJECT
public:
    using MediaPlayer::MediaPlayer;
    bool setFileName(const QString&) override { return false; }
    bool Play() override { return false; }
    bool Pause() override { return false; }
    bool Stop() override { return false; }
    double Duration() const override { return -1; }
    double CurrentPosition() const override { return 0; }
    bool setCurrentPosition(double) override { return false; }
    bool setVolume(int) override { return false; }
    bool setBalance(int) override { return false; }
    bool Mute() const override { return false; }
    bool setMute(bool) override { return false; }
};

} // namespace vireo
