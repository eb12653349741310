#include "platform/FileFilter.h"

#include <QStringList>

namespace vireo {

namespace {

QStringList patternList(const QString& text)
{
    QString spaced = text;
    spaced.replace(QLatin1Char(';'), QLatin1Char(' '));
    return spaced.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// One filter in the Qt form. Qt filters on the last parenthesised group of the text, so a
// description that already ends with its own patterns keeps them there (written with blanks, as
// Qt separates them) instead of showing them twice; any other description gets them appended.
QString qtFilter(const QString& description, const QString& windowsPatterns)
{
    const QStringList patterns = patternList(windowsPatterns);
    const QString qtPatterns = patterns.join(QLatin1Char(' '));
    const QString trimmed = description.trimmed();
    const qsizetype open = trimmed.lastIndexOf(QLatin1Char('('));
    if (trimmed.endsWith(QLatin1Char(')')) && open >= 0) {
        const QString inside = trimmed.sliced(open + 1, trimmed.size() - open - 2);
        if (patternList(inside) == patterns)
            return trimmed.first(open) + QLatin1Char('(') + qtPatterns + QLatin1Char(')');
    }
    return description + QStringLiteral(" (") + qtPatterns + QLatin1Char(')');
}

} // namespace

QString qtFileFilter(const QString& windowsFilter)
{
    const QStringList parts = windowsFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(qtFilter(parts[i], parts[i + 1]));
    return filters.join(QStringLiteral(";;"));
}

} // namespace vireo
