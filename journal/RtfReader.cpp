#include "journal/RtfReader.h"

#include "journal/RtfCodePages.h"
#include "journal/RtfDocumentBuilder.h"
#include "journal/RtfKeywords.h"
#include "journal/RtfLexer.h"
#include "journal/RtfTextDecoder.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QStringDecoder>
#include <QTextDocument>

#include <algorithm>
#include <utility>
#include <vector>

namespace vireo {

namespace {

// Bounds on tables that a hostile file could otherwise grow without end.
constexpr qsizetype maxTableEntries = 4096;
constexpr qsizetype maxFontNameLength = 255;
// 22 inches, the largest page a word processor offers: no indent or spacing is larger.
constexpr int maxTwips = 31680;
// 1638 points, the largest size word processors allow.
constexpr int maxHalfPoints = 3276;
constexpr int defaultHalfPoints = 24;
constexpr qsizetype maxCachedFormats = 1024;

enum class Destination { Text, FontTable, ColorTable, Object, Skip };

struct CharState {
    int font = -1; // -1: the document's default font
    int halfPoints = defaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool strikeOut = false;
    bool hidden = false;
    int underline = QTextCharFormat::NoUnderline;
    int foreground = 0; // colour table index; 0 is "automatic"
    int background = 0;

    bool operator==(const CharState&) const = default;
};

size_t qHash(const CharState& c, size_t seed = 0)
{
    return qHashMulti(seed, c.font, c.halfPoints, c.bold, c.italic, c.strikeOut, c.hidden,
                      c.underline, c.foreground, c.background);
}

struct ParagraphState {
    int alignment = 0;   // as the RtfKeyword::Alignment values
    int spaceBefore = 0; // twips, as all lengths here
    int spaceAfter = 0;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0;
    int lineSpacing = 0; // 0 single; > 0 at least (or a multiple); < 0 exactly
    bool lineSpacingMultiple = false;
};

struct GroupState {
    Destination destination = Destination::Text;
    CharState chars;
    ParagraphState paragraph;
    int unicodeSkip = 1;
};

struct Font {
    QString name;
    int codePage = 0; // 0: the document's
};

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

qreal pixels(int twips)
{
    return twips / 15.0;
}

class RtfParser {
public:
    RtfParser(QByteArrayView bytes, qsizetype start, QTextDocument& document)
        : lexer_(bytes), builder_(document)
    {
        lexer_.skipBytes(start);
    }

    RtfReadResult run();

private:
    // Returns false when the token ends reading; `status_` then says why.
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
    QTextBlockFormat blockFormat() const;

    RtfLexer lexer_;
    RtfDocumentBuilder builder_;
    RtfTextDecoder decoder_;
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
    QHash<int, Font> fonts_;
    QList<QColor> colors_;

    int entryFont_ = -1; // the font table entry being read
    Font entry_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorGiven_ = false;

    // Formats made so far, by state: a run in a format seen before shares its format, which
    // the document then recognises at once. Emptied when the tables change, and when full.
    QHash<CharState, QTextCharFormat> formats_;
};

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
    builder_.finish(blockFormat());
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
        entryFont_ = -1;
        entry_ = {};
        return;
    case RtfKeyword::ColorTable:
        state_.destination = Destination::ColorTable;
        colorGiven_ = false;
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
        entryFont_ = parameterOr(token, -1);
        return;
    case RtfKeyword::FontCharset:
        entry_.codePage = codePageOfCharset(parameterOr(token, 0));
        return;
    case RtfKeyword::FontCodePage:
        entry_.codePage = parameterOr(token, 0);
        return;
    default:
        return;
    }
}

void RtfParser::handleColorTableWord(RtfKeyword keyword, const RtfToken& token)
{
    const int value = std::clamp(parameterOr(token, 0), 0, 255);
    switch (keyword) {
    case RtfKeyword::Red:
        red_ = value;
        break;
    case RtfKeyword::Green:
        green_ = value;
        break;
    case RtfKeyword::Blue:
        blue_ = value;
        break;
    default:
        return;
    }
    colorGiven_ = true;
}

void RtfParser::handleFormatWord(RtfKeyword keyword, int value, const RtfToken& token)
{
    CharState& chars = state_.chars;
    ParagraphState& paragraph = state_.paragraph;
    switch (keyword) {
    case RtfKeyword::Plain:
        chars = CharState();
        return;
    case RtfKeyword::Font:
        chars.font = parameterOr(token, -1);
        return;
    case RtfKeyword::FontSize: {
        const int size = parameterOr(token, defaultHalfPoints);
        chars.halfPoints = size > 0 ? std::min(size, maxHalfPoints) : defaultHalfPoints;
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
        paragraph = ParagraphState();
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
    if (state_.destination == Destination::FontTable && entry_.name.size() < maxFontNameLength)
        entry_.name += QChar(c);
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
        entry_.name += QStringView(decoded_).first(
            std::min(decoded_.size(), maxFontNameLength - entry_.name.size()));
        return;
    }
    builder_.appendText(decoded_, charFormat());
}

void RtfParser::endFontEntry()
{
    flushBytes();
    if (entryFont_ >= 0 && (fonts_.size() < maxTableEntries || fonts_.contains(entryFont_))) {
        // Control characters first (a code page's stand-in for bytes it cannot decode is one),
        // so that no blank they hid stays at either end.
        entry_.name.removeIf([](QChar c) { return c.unicode() < 0x20; });
        fonts_.insert(entryFont_, {entry_.name.trimmed(), entry_.codePage});
        formats_.clear();
    }
    entryFont_ = -1;
    entry_ = {};
}

void RtfParser::endColorEntry()
{
    if (colors_.size() < maxTableEntries)
        colors_.append(colorGiven_ ? QColor(red_, green_, blue_) : QColor());
    red_ = green_ = blue_ = 0;
    colorGiven_ = false;
    formats_.clear();
}

void RtfParser::endParagraph()
{
    if (state_.destination == Destination::Text)
        builder_.endParagraph(blockFormat(), charFormat());
}

bool RtfParser::takesText() const
{
    return state_.destination == Destination::Text && !state_.chars.hidden;
}

int RtfParser::textCodePage() const
{
    int codePage = 0;
    if (state_.destination == Destination::FontTable) {
        codePage = entry_.codePage;
    } else {
        const int font = state_.chars.font >= 0 ? state_.chars.font : defaultFont_;
        const auto found = fonts_.constFind(font);
        if (found != fonts_.constEnd())
            codePage = found->codePage;
    }
    return codePage != 0 ? codePage : ansiCodePage_;
}

const QTextCharFormat& RtfParser::charFormat()
{
    const CharState& chars = state_.chars;
    const auto found = formats_.constFind(chars);
    if (found != formats_.constEnd())
        return *found;
    if (formats_.size() >= maxCachedFormats)
        formats_.clear();
    // Only what differs from plain text is set: small formats are quick for the document.
    QTextCharFormat format;
    const auto font = fonts_.constFind(chars.font >= 0 ? chars.font : defaultFont_);
    if (font != fonts_.constEnd() && !font->name.isEmpty())
        format.setFontFamilies(QStringList{font->name});
    format.setFontPointSize(chars.halfPoints / 2.0);
    if (chars.bold)
        format.setFontWeight(QFont::Bold);
    if (chars.italic)
        format.setFontItalic(true);
    if (chars.underline != QTextCharFormat::NoUnderline)
        format.setUnderlineStyle(QTextCharFormat::UnderlineStyle(chars.underline));
    if (chars.strikeOut)
        format.setFontStrikeOut(true);
    const QColor foreground = colors_.value(chars.foreground);
    if (foreground.isValid())
        format.setForeground(foreground);
    const QColor background = colors_.value(chars.background);
    if (background.isValid())
        format.setBackground(background);
    return *formats_.insert(chars, format);
}

QTextBlockFormat RtfParser::blockFormat() const
{
    const ParagraphState& p = state_.paragraph;
    QTextBlockFormat format;
    switch (p.alignment) {
    case 1:
        format.setAlignment(Qt::AlignHCenter);
        break;
    case 2:
        format.setAlignment(Qt::AlignRight);
        break;
    case 3:
        format.setAlignment(Qt::AlignJustify);
        break;
    default:
        break;
    }
    if (p.spaceBefore != 0)
        format.setTopMargin(pixels(p.spaceBefore));
    if (p.spaceAfter != 0)
        format.setBottomMargin(pixels(p.spaceAfter));
    if (p.leftIndent != 0)
        format.setLeftMargin(pixels(p.leftIndent));
    if (p.rightIndent != 0)
        format.setRightMargin(pixels(p.rightIndent));
    if (p.firstLineIndent != 0)
        format.setTextIndent(pixels(p.firstLineIndent));
    // Word writes single spacing as \sl240\slmult1: that is no spacing of its own.
    const bool single = p.lineSpacing == 0 || (p.lineSpacingMultiple && p.lineSpacing == 240);
    if (!single) {
        if (p.lineSpacing < 0)
            format.setLineHeight(pixels(-p.lineSpacing), QTextBlockFormat::FixedHeight);
        else if (p.lineSpacingMultiple)
            format.setLineHeight(p.lineSpacing * 100.0 / 240, QTextBlockFormat::ProportionalHeight);
        else
            format.setLineHeight(pixels(p.lineSpacing), QTextBlockFormat::MinimumHeight);
    }
    return format;
}

// Where the document begins: "{\rtf" after blanks and a UTF-8 byte-order mark, or -1.
qsizetype rtfStart(QByteArrayView bytes)
{
    qsizetype i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < bytes.size() &&
           (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return bytes.sliced(i).startsWith("{\\rtf") ? i : -1;
}

QString plainText(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        text.clear();
        RtfTextDecoder().decode(bytes, windows1252, text);
    }
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.removeIf([](QChar c) {
        return (c.unicode() < 0x20 && c != QLatin1Char('\n') && c != QLatin1Char('\t')) ||
               c == QChar::ObjectReplacementCharacter || c.unicode() == 0xFDD0 ||
               c.unicode() == 0xFDD1;
    });
    return text;
}

} // namespace

RtfReadResult readRtf(QByteArrayView bytes, QTextDocument& document)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    RtfReadResult result;
    const qsizetype start = rtfStart(bytes);
    if (start < 0) {
        document.setPlainText(plainText(bytes));
        result = {RtfReadStatus::NotRtf, bytes.size()};
    } else {
        result = RtfParser(bytes, start, document).run();
    }
    document.setUndoRedoEnabled(undo);
    document.setModified(false);
    return result;
}

} // namespace vireo
