#include "journal/RtfParser.h"

#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace vireo {

namespace {

// 22 inches, the largest page a word processor offers: no indent or spacing is larger.
constexpr int maxTwips = 31680;
// 1638 points, the largest size word processors allow.
constexpr int maxHalfPoints = 3276;

int parameterOr(const RtfToken& token, int fallback)
{
    return token.hasParameter ? token.parameter : fallback;
}

bool isOn(const RtfToken& token)
{
    return !token.hasParameter || token.parameter != 0;
}

int twips(const RtfToken& token, int low = -maxTwips)
{
    return std::clamp(parameterOr(token, 0), low, maxTwips);
}

} // namespace

RtfParser::RtfParser(QByteArrayView bytes, qsizetype start, QTextDocument& document)
    : lexer_(bytes), builder_(document)
{
    lexer_.skipBytes(start);
}

RtfReadResult RtfParser::run()
{
    for (;;) {
        const RtfToken token = lexer_.next();
        if (token.kind != RtfToken::Kind::Text && token.kind != RtfToken::Kind::Hex)
            flushBytes();
        if (!handle(token))
            break;
    }
    flushBytes();
    builder_.finish(RtfFormats::blockFormat(state_.paragraph));
    return {status_, lexer_.offset()};
}

bool RtfParser::handle(const RtfToken& token)
{
    const bool starred = std::exchange(starred_, false);
    switch (token.kind) {
    case RtfToken::Kind::GroupOpen:
        skipCount_ = 0;
        return openGroup();
    case RtfToken::Kind::GroupClose:
        skipCount_ = 0;
        return closeGroup();
    case RtfToken::Kind::Word:
        return handleWord(token, starred);
    case RtfToken::Kind::Symbol:
        if (skipCount_ > 0) {
            --skipCount_;
            return true;
        }
        handleSymbol(char(token.parameter));
        return true;
    case RtfToken::Kind::Hex:
        handleByte(char(token.parameter));
        return true;
    case RtfToken::Kind::Text:
        handleText(token.text);
        return true;
    case RtfToken::Kind::End:
        status_ = RtfReadStatus::Truncated;
        return false;
    case RtfToken::Kind::Error:
        status_ = token.error;
        return false;
    }
    return false;
}

bool RtfParser::openGroup()
{
    if (stack_.size() >= rtfMaxGroupDepth) {
        status_ = RtfReadStatus::TooDeep;
        return false;
    }
    stack_.push_back(state_);
    return true;
}

bool RtfParser::closeGroup()
{
    if (state_.destination == Destination::FontTable)
        endFontEntry();
    if (stack_.size() <= 1) {
        // The document's own group ends: its last paragraph keeps the formats in force.
        status_ = RtfReadStatus::Complete;
        return false;
    }
    state_ = stack_.back();
    stack_.pop_back();
    return true;
}

bool RtfParser::handleWord(const RtfToken& token, bool starred)
{
    const RtfKeywordEntry entry = lookupRtfKeyword(token.text);
    if (entry.keyword == RtfKeyword::Binary) {
        // Binary data is passed over whatever the destination: its bytes are not RTF.
        if (skipCount_ > 0)
            --skipCount_;
        if (lexer_.skipBytes(parameterOr(token, 0)))
            return true;
        status_ = RtfReadStatus::Truncated;
        return false;
    }
    if (skipCount_ > 0) {
        --skipCount_;
        return true;
    }
    if (starred) {
        // An ignorable destination: read only those whose text this reader wants.
        const bool wanted = entry.keyword == RtfKeyword::FontTable ||
                            entry.keyword == RtfKeyword::ColorTable ||
                            entry.keyword == RtfKeyword::FieldResult;
        if (!wanted) {
            state_.destination = Destination::Skip;
            return true;
        }
    }
    if (state_.destination == Destination::Skip)
        return true;

    switch (entry.keyword) {
    case RtfKeyword::FontTable:
    case RtfKeyword::ColorTable:
    case RtfKeyword::FieldResult:
    case RtfKeyword::Object:
    case RtfKeyword::ObjectResult:
    case RtfKeyword::SkippedGroup:
        enterDestination(entry.keyword);
        return true;
    case RtfKeyword::CodePage:
        ansiCodePage_ = entry.value;
        return true;
    case RtfKeyword::AnsiCodePage:
        ansiCodePage_ = decoder_.effectiveCodePage(parameterOr(token, windows1252));
        return true;
    case RtfKeyword::DefaultFont:
        defaultFont_ = parameterOr(token, -1);
        formats_.clear();
        return true;
    case RtfKeyword::Unicode:
        if (token.hasParameter) {
            // Values above 32767 are written negative: the low 16 bits are the UTF-16 unit.
            appendChar(char16_t(unsigned(token.parameter) & 0xFFFF));
            skipCount_ = state_.unicodeSkip;
        }
        return true;
    case RtfKeyword::UnicodeSkip:
        state_.unicodeSkip = std::max(0, parameterOr(token, 1));
        return true;
    default:
        break;
    }

    switch (state_.destination) {
    case Destination::FontTable:
        handleFontTableWord(entry.keyword, token);
        return true;
    case Destination::ColorTable:
        handleColorTableWord(entry.keyword, token);
        return true;
    case Destination::Text:
    case Destination::Object:
        handleFormatWord(entry.keyword, entry.value, token);
        return true;
    case Destination::Skip:
        return true;
    }
    return true;
}

void RtfParser::enterDestination(RtfKeyword keyword)
{
    switch (keyword) {
    case RtfKeyword::FontTable:
        state_.destination = Destination::FontTable;
        endFontEntry();
        return;
    case RtfKeyword::ColorTable:
        state_.destination = Destination::ColorTable;
        tables_.resetColor();
        return;
    case RtfKeyword::FieldResult:
        state_.destination = Destination::Text;
        return;
    case RtfKeyword::Object:
        state_.destination = Destination::Object;
        return;
    case RtfKeyword::ObjectResult:
        // What an object shows where it cannot be run; a \result elsewhere means nothing.
        if (state_.destination == Destination::Object)
            state_.destination = Destination::Text;
        return;
    default:
        state_.destination = Destination::Skip;
        return;
    }
}

void RtfParser::handleFontTableWord(RtfKeyword keyword, const RtfToken& token)
{
    switch (keyword) {
    case RtfKeyword::Font:
        endFontEntry();
        endFontEntry();
        tables_.beginFont(parameterOr(token, -1));
        return;
    case RtfKeyword::FontCharset:
        tables_.setFontCodePage(codePageOfCharset(parameterOr(token, 0)));
        return;
    case RtfKeyword::FontCodePage:
        tables_.setFontCodePage(parameterOr(token, 0));
        return;
    default:
        return;
    }
}

void RtfParser::handleColorTableWord(RtfKeyword keyword, const RtfToken& token)
{
    const int value = parameterOr(token, 0);
    switch (keyword) {
    case RtfKeyword::Red:
        tables_.setRed(value);
        return;
    case RtfKeyword::Green:
        tables_.setGreen(value);
        return;
    case RtfKeyword::Blue:
        tables_.setBlue(value);
        return;
    default:
        return;
    }
}

void RtfParser::handleFormatWord(RtfKeyword keyword, int value, const RtfToken& token)
{
    RtfCharState& chars = state_.chars;
    RtfParagraphState& paragraph = state_.paragraph;
    switch (keyword) {
    case RtfKeyword::Plain:
        chars = RtfCharState();
        return;
    case RtfKeyword::Font:
        chars.font = parameterOr(token, -1);
        return;
    case RtfKeyword::FontSize: {
        const int size = parameterOr(token, rtfDefaultHalfPoints);
        chars.halfPoints = size > 0 ? std::min(size, maxHalfPoints) : rtfDefaultHalfPoints;
        return;
    }
    case RtfKeyword::Bold:
        chars.bold = isOn(token);
        return;
    case RtfKeyword::Italic:
        chars.italic = isOn(token);
        return;
    case RtfKeyword::Underline:
        chars.underline = isOn(token) ? value : QTextCharFormat::NoUnderline;
        return;
    case RtfKeyword::UnderlineNone:
        chars.underline = QTextCharFormat::NoUnderline;
        return;
    case RtfKeyword::StrikeOut:
        chars.strikeOut = isOn(token);
        return;
    case RtfKeyword::Hidden:
        chars.hidden = isOn(token);
        return;
    case RtfKeyword::Foreground:
        chars.foreground = parameterOr(token, 0);
        return;
    case RtfKeyword::Background:
        chars.background = parameterOr(token, 0);
        return;
    case RtfKeyword::Pard:
        paragraph = RtfParagraphState();
        return;
    case RtfKeyword::Alignment:
        paragraph.alignment = value;
        return;
    case RtfKeyword::SpaceBefore:
        paragraph.spaceBefore = twips(token, 0);
        return;
    case RtfKeyword::SpaceAfter:
        paragraph.spaceAfter = twips(token, 0);
        return;
    case RtfKeyword::LeftIndent:
        paragraph.leftIndent = twips(token);
        return;
    case RtfKeyword::RightIndent:
        paragraph.rightIndent = twips(token);
        return;
    case RtfKeyword::FirstLineIndent:
        paragraph.firstLineIndent = twips(token);
        return;
    case RtfKeyword::LineSpacing:
        paragraph.lineSpacing = twips(token);
        return;
    case RtfKeyword::LineSpacingMultiple:
        paragraph.lineSpacingMultiple = isOn(token);
        return;
    case RtfKeyword::Paragraph:
        endParagraph();
        return;
    case RtfKeyword::Character:
        appendChar(char16_t(value));
        return;
    default:
        return;
    }
}

void RtfParser::handleSymbol(char c)
{
    switch (c) {
    case '\\':
    case '{':
    case '}':
        handleByte(c);
        return;
    case '~':
        appendChar(0x00A0); // no-break space
        return;
    case '-':
        appendChar(0x00AD); // soft hyphen
        return;
    case '_':
        appendChar(0x2011); // no-break hyphen
        return;
    case '*':
        starred_ = true;
        return;
    default:
        return; // \: \| and the rest show nothing
    }
}

void RtfParser::handleText(QByteArrayView bytes)
{
    if (skipCount_ > 0) {
        const qsizetype skipped = std::min<qsizetype>(skipCount_, bytes.size());
        skipCount_ -= int(skipped);
        bytes = bytes.sliced(skipped);
    }
    switch (state_.destination) {
    case Destination::Text:
        if (!state_.chars.hidden)
            addBytes(bytes);
        return;
    case Destination::FontTable:
        // A semicolon ends a font's name.
        for (qsizetype end = bytes.indexOf(';'); end >= 0; end = bytes.indexOf(';')) {
            addBytes(bytes.first(end));
            flushBytes();
            endFontEntry();
            bytes = bytes.sliced(end + 1);
        }
        addBytes(bytes);
        return;
    case Destination::ColorTable:
        // A semicolon ends a colour; an entry with no colour words is "automatic".
        for (const char c : bytes) {
            if (c == ';')
                endColorEntry();
        }
        return;
    case Destination::Object:
    case Destination::Skip:
        return;
    }
}

void RtfParser::handleByte(char byte)
{
    if (skipCount_ > 0) {
        --skipCount_;
        return;
    }
    if (takesText() || state_.destination == Destination::FontTable)
        addByte(byte);
}

void RtfParser::appendChar(char16_t c)
{
    flushBytes();
    if (takesText()) {
        builder_.appendText(QStringView(&c, 1), charFormat());
        return;
    }
    if (state_.destination == Destination::FontTable)
        tables_.appendFontName(QStringView(&c, 1));
}

void RtfParser::addBytes(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return;
    if (pendingView_.isEmpty() && pendingBytes_.isEmpty()) {
        pendingView_ = bytes; // most text is one piece: no copy
        return;
    }
    pendingBytes_ += pendingView_;
    pendingView_ = {};
    pendingBytes_ += bytes;
}

void RtfParser::addByte(char byte)
{
    pendingBytes_ += pendingView_;
    pendingView_ = {};
    pendingBytes_ += byte;
}

void RtfParser::flushBytes()
{
    const QByteArrayView bytes = pendingBytes_.isEmpty() ? pendingView_ : pendingBytes_;
    if (bytes.isEmpty())
        return;
    decoded_.resize(0);
    decoder_.decode(bytes, textCodePage(), decoded_);
    pendingView_ = {};
    pendingBytes_.resize(0);
    if (state_.destination == Destination::FontTable) {
        tables_.appendFontName(decoded_);
        return;
    }
    builder_.appendText(decoded_, charFormat());
}

void RtfParser::endFontEntry()
{
    flushBytes();
    if (tables_.endFont())
        formats_.clear();
}

void RtfParser::endColorEntry()
{
    tables_.endColor();
    formats_.clear();
}

void RtfParser::endParagraph()
{
    if (state_.destination == Destination::Text)
        builder_.endParagraph(RtfFormats::blockFormat(state_.paragraph), charFormat());
}

bool RtfParser::takesText() const
{
    return state_.destination == Destination::Text && !state_.chars.hidden;
}

int RtfParser::textCodePage() const
{
    const int codePage =
        state_.destination == Destination::FontTable
            ? tables_.entryCodePage()
            : tables_.fontCodePage(state_.chars.font >= 0 ? state_.chars.font : defaultFont_);
    return codePage != 0 ? codePage : ansiCodePage_;
}

const QTextCharFormat& RtfParser::charFormat()
{
    return formats_.charFormat(state_.chars, defaultFont_, tables_);
}

} // namespace vireo
