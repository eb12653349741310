#include "player/PlayerDisplay.h"

#include "platform/MediaPlayer.h"
#include "platform/VbConvert.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>

namespace vireo::display {

int wholeSeconds(double seconds)
{
    const long long whole = vb::roundHalfEven(seconds);
    return static_cast<int>(std::clamp<long long>(whole, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

int msUntilShownSecondChanges(double position, int shortest, int longest)
{
    if (!std::isfinite(position))
        return longest;
    // The shown value can change only just after some k + 0.5: the first such moment not before
    // the position, unless the position is that moment and just after it shows the same (halves
    // go to even: 11.5 already shows 12).
    double change = std::ceil(position - 0.5) + 0.5;
    if (change == position &&
        wholeSeconds(position) ==
            wholeSeconds(std::nextafter(position, std::numeric_limits<double>::infinity())))
        change += 1.0;
    // (Less a hair, so that 200.00000000000003 ms of rounding noise counts as 200.)
    const double ms = std::ceil((change - position) * 1000.0 - 1e-6) + 1.0;
    return static_cast<int>(
        std::clamp(ms, static_cast<double>(shortest), static_cast<double>(longest)));
}

QString elapsedText(double seconds)
{
    const int p = wholeSeconds(seconds);
    const auto two = [](int value) {
        return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    };
    return two(p / 3600) + QLatin1Char(':') + two((p / 60) % 60) + QLatin1Char(':') + two(p % 60);
}

QString volumeText(int slider)
{
    return QString::number(slider / 25) + QStringLiteral(" %");
}

QString volumeUpdate(MediaPlayer& player, int slider)
{
    player.setVolume(componentVolume(slider));
    return volumeText(slider);
}

std::optional<QString> balanceText(int slider)
{
    if (slider >= -499 && slider <= 499)
        return QStringLiteral("Center");
    if (slider <= -501)
        return QStringLiteral("Left");
    if (slider >= 501)
        return QStringLiteral("Right");
    return std::nullopt;
}

std::optional<QString> balanceUpdate(MediaPlayer& player, int slider)
{
    const std::optional<QString> text = balanceText(slider);
    player.setBalance(slider);
    return text;
}

MuteDisplay toggleMute(MediaPlayer& player, int volumeSlider)
{
    if (!player.Mute()) {
        player.setMute(true);
        return {true, buttonFace, false, QStringLiteral("Mute")};
    }
    player.setMute(false);
    return {false, lightCyan, true, volumeText(volumeSlider)};
}

QString TitleScroll::atLoad()
{
    return QString(30, QLatin1Char(' ')) + QStringLiteral("MP3 Player ");
}

QString TitleScroll::forSong(const QString& artist, const QString& title)
{
    return QString(30, QLatin1Char(' ')) + artist + QStringLiteral(" - ") + title;
}

const QString& TitleScroll::tick()
{
    if (!text_.isEmpty())
        text_ = text_.mid(1) + text_.at(0);
    return text_;
}

QString helpText()
{
    // Three lines end with a space: the help text is kept exactly as it has always read.
    static const char16_t* const lines[] = {
        u"What are MP3\u2019s?",
        u"How do I open a MP3?",
        u"How do I create a Playlist?",
        u"How do I open a Playlist?",
        u"How do I delete a song from the Playlist?",
        u"",
        u"What are MP3\u2019s?",
        u"",
        u"An MP3 is a type of file that allows a user to ",
        u"download CD quality sound from the internet.",
        u"",
        u"",
        u"How do I open an MP3?",
        u"",
        u"1) Select the open icon (an underlined up arrow)",
        u"2) Select an MP3 file",
        u"3) Click open, the file should start to play ",
        u"automatically",
        u"",
        u"",
        u"How do I create a Playlist?",
        u"",
        u"1) Click on the \"Clear All\" button to create a new list",
        u"2) To add songs, click the \"Add Songs\" button",
        u"3)  Once you have added songs to the Playlist, ",
        u"click the \"Save Playlist\" button",
        u"",
        u"",
        u"How do I open a Playlist?",
        u"",
        u"Select the \"Load List\" button",
        u"",
        u"",
        u"How do I delete a song from the Playlist?",
        u"",
        u"1) Select the song you want to delete",
        u"2) Click the \"Delete Song\" button",
    };
    QString text;
    for (const char16_t* line : lines)
        text += QString::fromUtf16(line) + QStringLiteral("\r\n");
    return text;
}

} // namespace vireo::display
