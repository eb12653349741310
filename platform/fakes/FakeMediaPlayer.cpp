#include "platform/fakes/FakeMediaPlayer.h"

#include <algorithm>

namespace vireo {

bool FakeMediaPlayer::setFileName(const QString& path)
{
    calls.append(QStringLiteral("FileName ") + path);
    if (path.isEmpty() || unopenable.contains(path)) {
        fileName.clear();
        state = State::Closed;
        duration = 0; // a file that does not open reads as played to its end
        position = 0;
        return false;
    }
    fileName = path;
    state = State::Stopped;
    duration = durations.value(path, defaultDuration);
    position = 0;
    return true;
}

bool FakeMediaPlayer::Play()
{
    calls.append(QStringLiteral("Play"));
    if (state == State::Closed)
        return false;
    if (position == duration)
        position = 0;
    state = State::Playing;
    return true;
}

bool FakeMediaPlayer::Pause()
{
    calls.append(QStringLiteral("Pause"));
    if (state == State::Closed)
        return false;
    state = State::Paused;
    return true;
}

bool FakeMediaPlayer::Stop()
{
    calls.append(QStringLiteral("Stop"));
    if (state == State::Closed)
        return false;
    state = State::Stopped;
    position = 0;
    return true;
}

bool FakeMediaPlayer::setCurrentPosition(double seconds)
{
    calls.append(QStringLiteral("CurrentPosition ") + QString::number(seconds));
    if (state == State::Closed)
        return false;
    position = std::clamp(seconds, 0.0, std::max(duration, 0.0));
    return true;
}

bool FakeMediaPlayer::setVolume(int hundredthsOfDecibel)
{
    calls.append(QStringLiteral("Volume ") + QString::number(hundredthsOfDecibel));
    volume = hundredthsOfDecibel;
    return true;
}

bool FakeMediaPlayer::setBalance(int hundredthsOfDecibel)
{
    calls.append(QStringLiteral("Balance ") + QString::number(hundredthsOfDecibel));
    balance = hundredthsOfDecibel;
    return true;
}

bool FakeMediaPlayer::setMute(bool on)
{
    calls.append(QStringLiteral("Mute ") + (on ? QStringLiteral("true") : QStringLiteral("false")));
    mute = on;
    return true;
}

} // namespace vireo
