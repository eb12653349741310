#include "journal/RtfLexer.h"

#include <limits>

namespace vireo {

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Line ends are not text in RTF; other control bytes (NUL and the like) mean nothing either.
// A tab byte is kept: editors read it as a tab.
bool isIgnoredByte(char c)
{
    return static_cast<unsigned char>(c) < 0x20 && c != '\t';
}

RtfToken token(RtfToken::Kind kind)
{
    RtfToken t;
    t.kind = kind;
    return t;
}

RtfToken error(RtfReadStatus why)
{
    RtfToken t = token(RtfToken::Kind::Error);
    t.error = why;
    return t;
}

} // namespace

RtfToken RtfLexer::next()
{
    while (pos_ < bytes_.size()) {
        const char c = bytes_[pos_];
        switch (c) {
        case '{':
            ++pos_;
            return token(RtfToken::Kind::GroupOpen);
        case '}':
            ++pos_;
            return token(RtfToken::Kind::GroupClose);
        case '\\':
            return control();
        default:
            if (isIgnoredByte(c)) {
                ++pos_;
                continue;
            }
            return text();
        }
    }
    return token(RtfToken::Kind::End);
}

bool RtfLexer::skipBytes(qint64 count)
{
    if (count <= 0)
        return true;
    if (count > bytes_.size() - pos_) {
        pos_ = bytes_.size();
        return false;
    }
    pos_ += qsizetype(count);
    return true;
}

RtfToken RtfLexer::control()
{
    ++pos_; // the backslash
    if (pos_ >= bytes_.size())
        return error(RtfReadStatus::Truncated);
    const char c = bytes_[pos_];
    if (isLetter(c))
        return word();
    if (c == '\'')
        return hex();
    ++pos_;
    if (c == '\r' || c == '\n') {
        // A backslash before a line end is an old way of writing \par.
        RtfToken t = token(RtfToken::Kind::Word);
        t.text = "par";
        return t;
    }
    RtfToken t = token(RtfToken::Kind::Symbol);
    t.parameter = static_cast<unsigned char>(c);
    return t;
}

RtfToken RtfLexer::word()
{
    const qsizetype start = pos_;
    while (pos_ < bytes_.size() && isLetter(bytes_[pos_])) {
        if (pos_ - start == maxWordLetters) {
            pos_ = start - 1;
            return error(RtfReadStatus::WordTooLong);
        }
        ++pos_;
    }
    RtfToken t = token(RtfToken::Kind::Word);
    t.text = bytes_.sliced(start, pos_ - start);

    const bool negative =
        pos_ + 1 < bytes_.size() && bytes_[pos_] == '-' && isDigit(bytes_[pos_ + 1]);
    if (negative)
        ++pos_;
    const qsizetype digitsStart = pos_;
    qint64 value = 0;
    while (pos_ < bytes_.size() && isDigit(bytes_[pos_])) {
        // Ten digits hold every 32-bit value; more can only overflow.
        if (pos_ - digitsStart == 10) {
            pos_ = start - 1;
            return error(RtfReadStatus::NumberTooLarge);
        }
        value = value * 10 + (bytes_[pos_] - '0');
        ++pos_;
    }
    if (pos_ > digitsStart) {
        if (negative)
            value = -value;
        if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min()) {
            pos_ = start - 1;
            return error(RtfReadStatus::NumberTooLarge);
        }
        t.hasParameter = true;
        t.parameter = int(value);
    }
    if (pos_ < bytes_.size() && bytes_[pos_] == ' ')
        ++pos_; // the delimiter belongs to the control word
    return t;
}

RtfToken RtfLexer::hex()
{
    ++pos_; // the quote
    if (bytes_.size() - pos_ < 2) {
        pos_ = bytes_.size();
        return error(RtfReadStatus::Truncated);
    }
    const int high = hexValue(bytes_[pos_]);
    const int low = hexValue(bytes_[pos_ + 1]);
    if (high < 0 || low < 0) {
        // Not a byte: the \' alone is dropped and what follows is read as it stands.
        RtfToken t = token(RtfToken::Kind::Symbol);
        t.parameter = '\'';
        return t;
    }
    pos_ += 2;
    RtfToken t = token(RtfToken::Kind::Hex);
    t.parameter = high * 16 + low;
    return t;
}

RtfToken RtfLexer::text()
{
    const qsizetype start = pos_;
    while (pos_ < bytes_.size()) {
        const char c = bytes_[pos_];
        if (c == '\\' || c == '{' || c == '}' || isIgnoredByte(c))
            break;
        ++pos_;
    }
    RtfToken t = token(RtfToken::Kind::Text);
    t.text = bytes_.sliced(start, pos_ - start);
    return t;
}

} // namespace vireo
