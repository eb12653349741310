#pragma once

#include "journal/RtfCodePages.h"
#include "journal/RtfDocumentBuilder.h"
#include "journal/RtfFormats.h"
#include "journal/RtfKeywords.h"
#include "journal/RtfLexer.h"
#include "journal/RtfReader.h"
#include "journal/RtfState.h"
#include "journal/RtfTables.h"
#include "journal/RtfTextDecoder.h"

#include <vector>

class QTextDocument;

namespace vireo {

// Reads the tokens of one RTF document into a QTextDocument: groups and their state,
// destinations (what is read, what is skipped), code pages, \uN with its stand-ins.
class RtfParser {
public:
    // `start` is the offset of the document's opening brace in `bytes`. Empties the document.
    RtfParser(QByteArrayView bytes, qsizetype start, QTextDocument& document);

    // Reads to the document's closing brace or to what ends reading early; the document then
    // holds all the text read.
    RtfReadResult run();

private:
    enum class Destination { Text, FontTable, ColorTable, Object, Skip };

    struct GroupState {
        Destination destination = Destination::Text;
        RtfCharState chars;
        RtfParagraphState paragraph;
        int unicodeSkip = 1;
    };

    // Each returns false when the token ends reading; `status_` then says why.
    bool handle(const RtfToken& token);
    bool openGroup();
    bool closeGroup();
    bool handleWord(const RtfToken& token, bool starred);
    void handleSymbol(char c);
    void handleText(QByteArrayView bytes);
    void handleByte(char byte);
    void handleFontTableWord(RtfKeyword keyword, const RtfToken& token);
    void handleColorTableWord(RtfKeyword keyword, const RtfToken& token);
    void handleFormatWord(RtfKeyword keyword, int value, const RtfToken& token);
    void enterDestination(RtfKeyword keyword);

    void appendChar(char16_t c);
    void addBytes(QByteArrayView bytes);
    void addByte(char byte);
    void flushBytes();
    void endFontEntry();
    void endColorEntry();
    void endParagraph();
    bool takesText() const;
    int textCodePage() const;
    const QTextCharFormat& charFormat();

    RtfLexer lexer_;
    RtfDocumentBuilder builder_;
    RtfTextDecoder decoder_;
    RtfTables tables_;
    RtfFormats formats_;
    std::vector<GroupState> stack_;
    GroupState state_;
    RtfReadStatus status_ = RtfReadStatus::Truncated;
    bool starred_ = false;
    int skipCount_ = 0; // characters after \uN that stand in for it
    // Text bytes not yet decoded: a piece of the input, or the pieces copied together.
    QByteArrayView pendingView_;
    QByteArray pendingBytes_;
    QString decoded_; // reused: one allocation for all the runs
    int ansiCodePage_ = windows1252;
    int defaultFont_ = -1;
};

} // namespace vireo
