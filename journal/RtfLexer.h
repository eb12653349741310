#pragma once

#include "journal/RtfReader.h"

#include <QByteArrayView>

namespace vireo {

// One piece of RTF syntax.
struct RtfToken {
    enum class Kind {
        GroupOpen,  // {
        GroupClose, // }
        Word,       // \letters with an optional parameter
        Symbol,     // \ and one character that is not a letter
        Hex,        // \'hh: one byte of the text, in `parameter`
        Text,       // a run of text bytes (line ends and other control bytes left out)
        End,        // the input is used up
        Error,      // reading cannot go on; `error` says why
    };

    Kind kind = Kind::End;
    QByteArrayView text; // Word: its letters; Text: the bytes
    bool hasParameter = false;
    int parameter = 0; // Word: the parameter; Symbol: the character; Hex: the byte
    RtfReadStatus error = RtfReadStatus::Complete;

    bool isWord(const char* name) const { return kind == Kind::Word && text == name; }
};

// Splits RTF bytes into tokens. Bounded: a control word of more than 32 letters or a parameter
// that does not fit 32 bits is an error token, and nothing is ever read past the end.
class RtfLexer {
public:
    static constexpr int maxWordLetters = 32;

    explicit RtfLexer(QByteArrayView bytes) : bytes_(bytes) {}

    RtfToken next();
    // Passes over `count` bytes of binary data (after \binN). False when fewer are left; the
    // lexer is then at the end.
    bool skipBytes(qint64 count);
    // Where the next token begins; after an error token, where the faulty control begins.
    qsizetype offset() const { return pos_; }

private:
    RtfToken control();
    RtfToken word();
    RtfToken hex();
    RtfToken text();

    QByteArrayView bytes_;
    qsizetype pos_ = 0;
};

} // namespace vireo
