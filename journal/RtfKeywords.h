#pragma once

#include <QByteArrayView>

namespace vireo {

// What a control word does for the reader. Words it does not know are Unknown and change
// nothing; their group's text stays.
enum class RtfKeyword {
    Unknown,
    // Destinations: the group's text goes somewhere else, or nowhere.
    FontTable,
    ColorTable,
    FieldResult,  // \fldrslt: the field's text as it was last shown
    Object,       // \object: skipped but for its \result
    ObjectResult, // \result
    SkippedGroup, // pictures, style sheets, document information, headers, field codes...
    // Document.
    CodePage,     // \ansi, \mac, \pc, \pca: value is the code page
    AnsiCodePage, // \ansicpgN
    DefaultFont,  // \deffN
    // Font and colour table entries.
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
    // Character formatting.
    Plain,
    Font,
    FontSize,
    Bold,
    Italic,
    Underline, // value is the QTextCharFormat::UnderlineStyle
    UnderlineNone,
    StrikeOut,
    Hidden,
    Foreground,
    Background,
    UnicodeSkip, // \ucN
    Unicode,     // \uN
    // Paragraph formatting.
    Pard,
    Alignment, // value: 0 left, 1 centre, 2 right, 3 justified
    SpaceBefore,
    SpaceAfter,
    LeftIndent,
    RightIndent,
    FirstLineIndent,
    LineSpacing,
    LineSpacingMultiple,
    // Text.
    Paragraph, // \par and what ends a paragraph like it (\sect, \page, \row)
    Character, // value is the character: \line, \tab, \emdash, \lquote...
    Binary,    // \binN
};

struct RtfKeywordEntry {
    RtfKeyword keyword = RtfKeyword::Unknown;
    int value = 0;
};

RtfKeywordEntry lookupRtfKeyword(QByteArrayView word);

} // namespace vireo
