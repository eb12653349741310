#include "shell/QuotedFieldReader.h"

#include "platform/RegularFile.h"

#include <QIODevice>

namespace vireo {

namespace {

constexpr char quote = '"';
constexpr char space = ' ';

// Windows-1252 differs from Latin-1 in 0x80-0x9F; the five unassigned bytes map to themselves.
constexpr char16_t cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeWindows1252(QByteArrayView bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out.append(b >= 0x80 && b < 0xA0 ? QChar(cp1252High[b - 0x80]) : QChar(char16_t(b)));
    }
    return out;
}

// Only spaces count: a tab is part of an unquoted field, as the format always had it.
QByteArrayView trimSpaces(QByteArrayView field)
{
    qsizetype begin = 0;
    qsizetype end = field.size();
    while (begin < end && field[begin] == space)
        ++begin;
    while (end > begin && field[end - 1] == space)
        --end;
    return field.sliced(begin, end - begin);
}

} // namespace

QString QuotedFieldReader::decode(QByteArrayView bytes)
{
    // The structural bytes (quote, comma, CR, LF, space) are ASCII, never part of a multi-byte
    // sequence, so a field's bytes are whole characters in either encoding.
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    return decodeWindows1252(bytes);
}

QuotedFieldReader::QuotedFieldReader(QByteArray bytes) : bytes_(std::move(bytes))
{
    if (QByteArrayView(bytes_).startsWith(newFormMark())) {
        doubledQuotes_ = true;
        pos_ = newFormMark().size();
    }
}

QuotedFieldReader QuotedFieldReader::fromDevice(QIODevice& device)
{
    return QuotedFieldReader(device.readAll());
}

std::optional<QuotedFieldReader> QuotedFieldReader::open(const QString& path)
{
    std::optional<QByteArray> content = readRegularFile(path);
    if (!content)
        return std::nullopt;
    return QuotedFieldReader(std::move(*content));
}

bool QuotedFieldReader::isFieldEnd(qsizetype i) const
{
    const char c = bytes_.at(i);
    return c == ',' || c == '\r' || c == '\n';
}

// Consumes the comma or line end at pos_, if any.
void QuotedFieldReader::skipPastFieldEnd()
{
    if (atEnd())
        return;
    const char c = bytes_.at(pos_++);
    if (c == '\r' && !atEnd() && bytes_.at(pos_) == '\n')
        ++pos_;
}

// The field that begins after the opening quote at pos_ - 1, up to its closing quote.
QByteArray QuotedFieldReader::quotedField()
{
    QByteArray field;
    for (;;) {
        const qsizetype close = bytes_.indexOf(quote, pos_);
        if (close < 0) {
            // No closing quote: the field runs to the end of the file.
            field.append(QByteArrayView(bytes_).sliced(pos_));
            pos_ = bytes_.size();
            whole_ = false;
            return field;
        }
        field.append(QByteArrayView(bytes_).sliced(pos_, close - pos_));
        pos_ = close + 1;
        if (!doubledQuotes_ || atEnd() || bytes_.at(pos_) != quote)
            return field;
        field.append(quote);
        ++pos_;
    }
}

std::optional<QString> QuotedFieldReader::readField()
{
    if (atEnd())
        return std::nullopt;
    while (!atEnd() && bytes_.at(pos_) == space)
        ++pos_;
    if (atEnd())
        return QString();

    if (bytes_.at(pos_) == quote) {
        ++pos_;
        const QByteArray field = quotedField();
        const qsizetype rest = pos_;
        while (!atEnd() && !isFieldEnd(pos_))
            ++pos_;
        if (pos_ != rest)
            whole_ = false;
        skipPastFieldEnd();
        return decode(field);
    }

    const qsizetype start = pos_;
    while (!atEnd() && !isFieldEnd(pos_))
        ++pos_;
    const QString field = decode(trimSpaces(QByteArrayView(bytes_).sliced(start, pos_ - start)));
    skipPastFieldEnd();
    return field;
}

QStringList QuotedFieldReader::readAll()
{
    QStringList fields;
    while (!atEnd()) {
        const auto field = readField();
        if (!field)
            break;
        fields.append(*field);
    }
    return fields;
}

} // namespace vireo
