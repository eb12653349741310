#pragma once

#include <QByteArrayView>

class QTextDocument;

namespace vireo {

// Groups nested deeper than this end reading: real documents stay far below it.
inline constexpr int rtfMaxGroupDepth = 256;

// How reading ended. Every status leaves the document holding the text read up to that point.
enum class RtfReadStatus {
    Complete,       // the whole document, up to its closing brace
    NotRtf,         // no "{\rtf" at the start: the bytes were taken as plain text
    Truncated,      // the input ended inside a group, a control word or binary data
    TooDeep,        // groups nested deeper than rtfMaxGroupDepth
    WordTooLong,    // a control word of more letters than RTF allows
    NumberTooLarge, // a numeric parameter beyond 32 bits
};

struct RtfReadResult {
    RtfReadStatus status = RtfReadStatus::Complete;
    qsizetype offset = 0; // the byte where reading stopped

    // True when nothing was cut off: a whole RTF document or a plain text.
    bool isWhole() const
    {
        return status == RtfReadStatus::Complete || status == RtfReadStatus::NotRtf;
    }
};

// Replaces the document's content with the Rich Text Format document in `bytes`. What the
// reader does not know (pictures, objects, style sheets, document information, ignorable
// destinations) is skipped; the text of fields and objects stays. Bytes that are not RTF are
// shown as plain text (UTF-8 when valid, Windows-1252 otherwise). The document ends up
// unmodified and with an empty undo stack, as a freshly loaded file.
RtfReadResult readRtf(QByteArrayView bytes, QTextDocument& document);

} // namespace vireo
