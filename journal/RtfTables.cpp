#include "journal/RtfTables.h"

#include <algorithm>

namespace vireo {

void RtfTables::appendFontName(QStringView text)
{
    entry_.name += text.first(std::min(text.size(), maxFontNameLength - entry_.name.size()));
}

bool RtfTables::endFont()
{
    const bool added =
        entryNumber_ >= 0 && (fonts_.size() < maxEntries || fonts_.contains(entryNumber_));
    if (added) {
        // Control characters first (a code page's stand-in for bytes it cannot decode is one),
        // and the marks the writer leaves out of a name (object, paragraph and frame marks), so
        // that no blank they hid stays at either end and the name reads back as it is written.
        entry_.name.removeIf([](QChar c) {
            const char16_t u = c.unicode();
            return u < 0x20 || u == QChar::ObjectReplacementCharacter ||
                   u == QChar::ParagraphSeparator || u == 0xFDD0 || u == 0xFDD1;
        });
        fonts_.insert(entryNumber_, {entry_.name.trimmed(), entry_.codePage});
    }
    entryNumber_ = -1;
    entry_ = {};
    return added;
}

void RtfTables::setRed(int value)
{
    red_ = std::clamp(value, 0, 255);
    colorGiven_ = true;
}

void RtfTables::setGreen(int value)
{
    green_ = std::clamp(value, 0, 255);
    colorGiven_ = true;
}

void RtfTables::setBlue(int value)
{
    blue_ = std::clamp(value, 0, 255);
    colorGiven_ = true;
}

void RtfTables::endColor()
{
    if (colors_.size() < maxEntries)
        colors_.append(colorGiven_ ? QColor(red_, green_, blue_) : QColor());
    resetColor();
}

void RtfTables::resetColor()
{
    red_ = green_ = blue_ = 0;
    colorGiven_ = false;
}

QString RtfTables::fontFamily(int number) const
{
    const auto found = fonts_.constFind(number);
    return found == fonts_.constEnd() ? QString() : found->name;
}

int RtfTables::fontCodePage(int number) const
{
    const auto found = fonts_.constFind(number);
    return found == fonts_.constEnd() ? 0 : found->codePage;
}

} // namespace vireo
