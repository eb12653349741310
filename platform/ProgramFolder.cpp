#include "platform/ProgramFolder.h"

#include "platform/ShippedData.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vireo {

namespace {

QString toNativeRelative(QString name)
{
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    return name;
}

} // namespace

bool ProgramFolder::holdsShippedData(const QString& dir)
{
    return QFileInfo::exists(dir + QLatin1Char('/') + QLatin1String(markerName));
}

ProgramFolder ProgramFolder::locate(const QString& executableDir)
{
    const QString overridden = qEnvironmentVariable("VIREO_HOME");
    if (!overridden.isEmpty()) {
        QDir().mkpath(overridden);
        return ProgramFolder(QDir(overridden).absolutePath());
    }
    if (holdsShippedData(executableDir) && QFileInfo(executableDir).isWritable())
        return ProgramFolder(QDir(executableDir).absolutePath());

    // An installed program: its data lies read-only beside it, the user's copy is writable.
    QString shipped = executableDir;
    if (!holdsShippedData(shipped))
        shipped = QDir(executableDir).absoluteFilePath(QStringLiteral("../share/vireo"));
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                            QStringLiteral("/vireo");
    QDir().mkpath(perUser);
    if (holdsShippedData(shipped))
        ShippedData::update(shipped, perUser, ShippedData::installedVersion());
    return ProgramFolder(perUser);
}

void ProgramFolder::seed(const QString& from, const QString& to)
{
    ShippedData::update(from, to, QVersionNumber());
}

QString ProgramFolder::path(const QString& name) const
{
    return root_ + QLatin1Char('/') + toNativeRelative(name);
}

std::optional<QString> ProgramFolder::pathInside(const QString& name) const
{
    const QString relative = toNativeRelative(name);
    if (relative.isEmpty())
        return std::nullopt;
    const QString cleaned = QDir::cleanPath(relative);
    if (cleaned == QLatin1String("..") || cleaned.startsWith(QLatin1String("../")) ||
        QDir::isAbsolutePath(cleaned) || cleaned.contains(QLatin1Char(':')))
        return std::nullopt;
    return root_ + QLatin1Char('/') + cleaned;
}

} // namespace vireo
