#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace vireo {

class MediaPlayer;

// The player window's display formulas and fixed texts, apart from any widget.
namespace display {

// Colours as 0x00BBGGRR numbers; buttonFace is the system colour &H8000000F.
inline constexpr quint32 lightCyan = 0xFFFF80;
inline constexpr quint32 red = 0xFF;
inline constexpr quint32 buttonFace = 0x8000000F;

// Seconds to the nearest whole second, halves to even (the runtime's conversion).
int wholeSeconds(double seconds);

// The position slider and Label25 show whole seconds, so while a song plays they change only
// when the position passes a half second. Milliseconds from `position` until just after the
// next such moment, kept within [shortest, longest]: the displays are read then, rather than
// many times a second, and at least every `longest` ms for jumps (Stop, a seek, a new song).
int msUntilShownSecondChanges(double position, int shortest, int longest);

// Label25: CurrentPosition as "HH:MM:SS" (59.6 gives "00:01:00", 3725 gives "01:02:05").
QString elapsedText(double seconds);

// The volume slider HScroll1 and what it sets.
inline constexpr int volumeMinimum = 0;
inline constexpr int volumeMaximum = 2500;
inline constexpr int volumeSmallStep = 10;
inline constexpr int volumeLargeStep = 500;
inline constexpr int volumeAtLoad = 1875;
inline constexpr int volumeFull = 2500; // Label1 double-click
inline constexpr int volumeHalf = 1250; // label2 double-click
// The component's Volume for a slider value: -2500 to 0.
constexpr int componentVolume(int slider)
{
    return slider - 2500;
}
// label2: the slider value / 25, fraction dropped, then " %".
QString volumeText(int slider);
// Volume update: sets the component's Volume and gives label2's text.
QString volumeUpdate(MediaPlayer& player, int slider);

// The balance slider HScroll2.
inline constexpr int balanceMinimum = -5000;
inline constexpr int balanceMaximum = 5000;
inline constexpr int balanceSmallStep = 50;
inline constexpr int balanceLargeStep = 1000;
// Label4: "Center" for -499..499, "Left" for -501 and less, "Right" for 501 and more; exactly
// -500 and 500 match none of the three and leave the label as it was (nullopt).
std::optional<QString> balanceText(int slider);
// Balance update: sets the component's Balance and gives Label4's new text, if any.
std::optional<QString> balanceUpdate(MediaPlayer& player, int slider);

// Mute toggle (lblMute): what the window shows after it.
struct MuteDisplay {
    bool muted;
    quint32 muteColour;  // the "Mute" text colour
    bool volumeEnabled;  // the volume slider
    QString volumeLabel; // label2
};
MuteDisplay toggleMute(MediaPlayer& player, int volumeSlider);

// Window heights in twips: with the playlist editor, and folded away.
inline constexpr int heightWithEditor = 5265;
inline constexpr int heightFolded = 2115;
// Picture5: 5265 becomes 2115, any other height 5265.
constexpr int toggledHeight(int height)
{
    return height == heightWithEditor ? heightFolded : heightWithEditor;
}

// The title scroll of Label666 (Timer3, every 100 ms): each tick moves the first character of
// the text to its end, so a text of length L shows its starting form again after L ticks.
class TitleScroll {
public:
    TitleScroll() : text_(atLoad()) {}
    static QString atLoad(); // 30 spaces + "MP3 Player "
    static QString forSong(const QString& artist, const QString& title); // 30 spaces + A - T
    void setText(const QString& text) { text_ = text; }
    const QString& text() const { return text_; }
    // One tick: rotates and returns what Label666 shows.
    const QString& tick();

private:
    QString text_;
};

// Text600: the help panel's text, CR LF line ends, typographic apostrophes, trailing spaces.
QString helpText();

} // namespace display
} // namespace vireo
