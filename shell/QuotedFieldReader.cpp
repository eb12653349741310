#include "shell/QuotedFieldReader.h"

#include "platform/Logging.h"

#include <QFile>
#include <QStringDecoder>

namespace vireo {

namespace {

constexpr QChar quote = QLatin1Char('"');
constexpr QChar space = QLatin1Char(' ');

// Windows-1252 differs from Latin-1 in 0x80-0x9F; the five unassigned bytes map to themselves.
constexpr char16_t cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeWindows1252(const QByteArray& bytes)
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
QString trimSpaces(QStringView field)
{
    qsizetype begin = 0;
    qsizetype end = field.size();
    while (begin < end && field[begin] == space)
        ++begin;
    while (end > begin && field[end - 1] == space)
        --end;
    return field.mid(begin, end - begin).toString();
}

} // namespace

QString QuotedFieldReader::decode(const QByteArray& bytes)
{
    QByteArrayView body(bytes);
    if (body.startsWith("\xEF\xBB\xBF"))
        body = body.sliced(3);
    // Stateless: a sequence cut off at the end of the file is an error, not a pending state.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(body);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes);
}

QuotedFieldReader::QuotedFieldReader(const QByteArray& bytes) : text_(decode(bytes)) {}

QuotedFieldReader QuotedFieldReader::fromDevice(QIODevice& device)
{
    return QuotedFieldReader(device.readAll());
}

std::optional<QuotedFieldReader> QuotedFieldReader::open(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcFiles) << "cannot read" << path << file.errorString();
        return std::nullopt;
    }
    return fromDevice(file);
}

bool QuotedFieldReader::isFieldEnd(qsizetype i) const
{
    const QChar c = at(i);
    return c == QLatin1Char(',') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// Consumes the comma or line end at pos_, if any.
void QuotedFieldReader::skipPastFieldEnd()
{
    if (atEnd())
        return;
    const QChar c = at(pos_++);
    if (c == QLatin1Char('\r') && !atEnd() && at(pos_) == QLatin1Char('\n'))
        ++pos_;
}

std::optional<QString> QuotedFieldReader::readField()
{
    if (atEnd())
        return std::nullopt;
    while (!atEnd() && at(pos_) == space)
        ++pos_;
    if (atEnd())
        return QString();

    if (at(pos_) == quote) {
        ++pos_;
        QString field;
        for (;;) {
            const qsizetype close = text_.indexOf(quote, pos_);
            if (close < 0) {
                // No closing quote: the field runs to the end of the file.
                field.append(QStringView(text_).sliced(pos_));
                pos_ = text_.size();
                break;
            }
            field.append(QStringView(text_).sliced(pos_, close - pos_));
            pos_ = close + 1;
            if (atEnd() || at(pos_) != quote)
                break;
            field.append(quote);
            ++pos_;
        }
        while (!atEnd() && !isFieldEnd(pos_))
            ++pos_;
        skipPastFieldEnd();
        return field;
    }

    const qsizetype start = pos_;
    while (!atEnd() && !isFieldEnd(pos_))
        ++pos_;
    QString field = trimSpaces(QStringView(text_).sliced(start, pos_ - start));
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
