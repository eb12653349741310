#include "platform/FileFilter.h"

#include <QStringList>

namespace vireo {

QString qtFileFilter(const QString& windowsFilter)
{
    const QStringList parts = windowsFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters.append(parts[i] + QStringLiteral(" (") + patterns.trimmed() + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace vireo
