#include "shell/QuotedFieldReader.h"

#include <QFile>
#include <QStringDecoder>

namespace vireo {

namespace {

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

} // namespace

QString QuotedFieldReader::decode(const QByteArray& bytes)
{
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
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
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return fromDevice(file);
}

bool QuotedFieldReader::atLineEnd() const
{
    const QChar c = text_[pos_];
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// A line end is CR LF, or a lone CR or LF.
void QuotedFieldReader::consumeLineEndOrComma()
{
    if (atEnd())
        return;
    if (text_[pos_] == QLatin1Char(',')) {
        ++pos_;
        return;
    }
    if (text_[pos_] == QLatin1Char('\r')) {
        ++pos_;
        if (!atEnd() && text_[pos_] == QLatin1Char('\n'))
            ++pos_;
        return;
    }
    if (text_[pos_] == QLatin1Char('\n'))
        ++pos_;
}

std::optional<QString> QuotedFieldReader::readField()
{
    if (atEnd())
        return std::nullopt;
    while (!atEnd() && text_[pos_] == QLatin1Char(' '))
        ++pos_;
    if (atEnd())
        return QString();

    if (text_[pos_] == QLatin1Char('"')) {
        ++pos_;
        QString field;
        while (!atEnd()) {
            const QChar c = text_[pos_++];
            if (c != QLatin1Char('"')) {
                field.append(c);
                continue;
            }
            if (!atEnd() && text_[pos_] == QLatin1Char('"')) {
                field.append(c);
                ++pos_;
                continue;
            }
            break;
        }
        while (!atEnd() && text_[pos_] != QLatin1Char(',') && !atLineEnd())
            ++pos_;
        consumeLineEndOrComma();
        return field;
    }

    const qsizetype start = pos_;
    while (!atEnd() && text_[pos_] != QLatin1Char(',') && !atLineEnd())
        ++pos_;
    QString field = text_.mid(start, pos_ - start).trimmed();
    consumeLineEndOrComma();
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
