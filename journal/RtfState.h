#pragma once

#include <QHashFunctions>
#include <QTextCharFormat>

namespace vireo {

// RTF's size when a document names none: 12 points.
inline constexpr int rtfDefaultHalfPoints = 24;

// The character formatting in force at a point of an RTF document.
struct RtfCharState {
    int font = -1; // font table number; -1: the document's default font
    int halfPoints = rtfDefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool strikeOut = false;
    bool hidden = false;
    int underline = QTextCharFormat::NoUnderline;
    int foreground = 0; // colour table index; 0 is "automatic"
    int background = 0;

    bool operator==(const RtfCharState&) const = default;
};

inline size_t qHash(const RtfCharState& c, size_t seed = 0)
{
    return qHashMulti(seed, c.font, c.halfPoints, c.bold, c.italic, c.strikeOut, c.hidden,
                      c.underline, c.foreground, c.background);
}

// The paragraph formatting in force. Lengths are in twips.
struct RtfParagraphState {
    int alignment = 0; // as the RtfKeyword::Alignment values
    int spaceBefore = 0;
    int spaceAfter = 0;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0;
    int lineSpacing = 0; // 0 single; > 0 at least (or a multiple); < 0 exactly
    bool lineSpacingMultiple = false;
};

} // namespace vireo
