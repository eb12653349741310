#include "player/Transport.h"

#include "platform/MediaPlayer.h"
#include "platform/VbConvert.h"
#include "platform/VbRandom.h"
#include "player/PlayerDisplay.h"

#include <algorithm>
#include <cmath>

namespace vireo {

Transport::Transport(TransportPlaylist& playlist, MediaPlayer& player, QString& pauseState,
                     TagReader readTag, Random rnd, QObject* parent)
    : QObject(parent), playlist_(playlist), player_(player), pauseState_(pauseState),
      readTag_(std::move(readTag)), rnd_(rnd ? std::move(rnd) : Random(&vb::Rnd)),
      loopColour_(display::lightCyan)
{
}

void Transport::start(int i, bool withStop)
{
    // Select the entry in both lists; an index outside the playlist is a failed step.
    if (i >= 0 && i < playlist_.count())
        playlist_.select(i);
    if (withStop)
        player_.Stop();
    // The List3 text: the selected entry's path, empty with no selection.
    const int selected = playlist_.selectedIndex();
    const QString path = selected >= 0 ? playlist_.path(selected) : QString();
    player_.setFileName(path);
    player_.Play();
    Q_EMIT elapsedTimerOn();
    // With no path the tag is blank, as the reader gives for a file it cannot open.
    const SongTag tag =
        readTag_ && !path.isEmpty() ? readTag_(vb::withoutTrailingSpaces(path)) : SongTag{};
    // What the window shows of the new song.
    StartedEntry entry;
    entry.songInfo =
        QStringLiteral("Artist: ") + tag.artist + QStringLiteral("\r\nTrack: ") + tag.title;
    entry.progressMaximum = progressMaximum();
    entry.scrollText = display::TitleScroll::forSong(tag.artist, tag.title);
    entry.caption = QStringLiteral("MP3 Player (") + tag.artist + QStringLiteral(" - ") +
                    tag.title + QLatin1Char(')');
    Q_EMIT entryStarted(entry);
}

void Transport::play()
{
    start(0, false);
}

void Transport::stop()
{
    player_.Stop();
}

void Transport::pauseToggle()
{
    const QString playing = QStringLiteral("True");
    const QString paused = QStringLiteral("False");
    if (pauseState_ != playing && pauseState_ != paused)
        pauseState_ = playing;
    if (pauseState_ == paused) {
        player_.Play();
        Q_EMIT elapsedTimerOn();
        pauseState_ = playing;
        return;
    }
    player_.Pause();
    pauseState_ = paused;
}

void Transport::next()
{
    const int n = playlist_.count();
    const int k = playlist_.selectedIndex();
    // An empty playlist starts nothing, and a song already playing goes on (our choice).
    if (n == 0)
        return;
    if (k < n - 1)
        start(k + 1, true);
    else if (k == n - 1)
        start(0, true);
}

void Transport::back()
{
    const int n = playlist_.count();
    const int k = playlist_.selectedIndex();
    if (n == 0)
        return;
    if (k > 0)
        start(k - 1, true);
    else if (k == 0)
        start(n - 1, true);
}

void Transport::ran()
{
    const int n = playlist_.count();
    if (n == 0)
        return;
    const int r = std::clamp(static_cast<int>(std::floor(rnd_() * n)), 0, n - 1);
    if (lastPick_ == r)
        return;
    lastPick_ = r;
    start(r, true);
}

void Transport::randomModeOn()
{
    if (playlist_.count() <= 1)
        return;
    randomMode_ = true;
    Q_EMIT randomModeChanged(true);
    setContinuation(true);
    ran();
}

void Transport::randomModeOff()
{
    randomMode_ = false;
    Q_EMIT randomModeChanged(false);
    setContinuation(false);
}

void Transport::loopToggle()
{
    setContinuation(!continuation_);
    loopColour_ = continuation_ ? display::lightCyan : display::buttonFace;
    Q_EMIT loopColourChanged(loopColour_);
}

void Transport::continuationTick()
{
    if (continuation_ && player_.Duration() == player_.CurrentPosition())
        ran();
}

void Transport::seek(int seconds)
{
    player_.setCurrentPosition(seconds);
}

int Transport::trackedPosition() const
{
    return display::wholeSeconds(player_.CurrentPosition());
}

int Transport::progressMaximum() const
{
    return std::max(0, display::wholeSeconds(player_.Duration()));
}

QString Transport::elapsedText() const
{
    return display::elapsedText(player_.CurrentPosition());
}

void Transport::setContinuation(bool on)
{
    if (continuation_ == on)
        return;
    continuation_ = on;
    Q_EMIT continuationChanged(on);
}

} // namespace vireo
