#include "platform/VbConvert.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace vireo::vb {

std::optional<double> toNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    if (trimmed.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        bool ok = false;
        const qlonglong value = trimmed.mid(2).toLongLong(&ok, 16);
        if (!ok)
            return std::nullopt;
        return static_cast<double>(value);
    }
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    if (!number.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<float> toSingle(const QString& text)
{
    const auto value = toNumber(text);
    if (!value || std::fabs(*value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(*value);
}

long long roundHalfEven(double value)
{
    return static_cast<long long>(std::nearbyint(value));
}

std::optional<int> toInteger(const QString& text)
{
    const auto value = toNumber(text);
    if (!value)
        return std::nullopt;
    const long long rounded = roundHalfEven(*value);
    if (rounded < -32768 || rounded > 32767)
        return std::nullopt;
    return static_cast<int>(rounded);
}

bool equalsNumber(const QString& text, double number)
{
    const auto value = toNumber(text);
    return value && *value == number;
}

QString singleText(float value)
{
    if (value == 0)
        return QStringLiteral("0");
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e7 || magnitude < 1e-7)
        return QString::number(static_cast<double>(value), 'g', 7).toUpper();
    // Seven significant digits, then drop trailing zeros and a bare decimal point.
    const int intDigits =
        magnitude >= 1 ? static_cast<int>(std::floor(std::log10(magnitude))) + 1 : 0;
    const int decimals = std::max(0, 7 - intDigits);
    QString out = QString::number(static_cast<double>(value), 'f', decimals);
    if (out.contains(QLatin1Char('.'))) {
        while (out.endsWith(QLatin1Char('0')))
            out.chop(1);
        if (out.endsWith(QLatin1Char('.')))
            out.chop(1);
    }
    return out;
}

QString withoutTrailingSpaces(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}

} // namespace vireo::vb
