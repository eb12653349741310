#include "platform/ProgramFolder.h"

#include "platform/Logging.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
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
        seed(shipped, perUser);
    return ProgramFolder(perUser);
}

void ProgramFolder::seed(const QString& from, const QString& to)
{
    const QDir source(from);
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + QLatin1Char('/') + source.relativeFilePath(file);
        if (QFileInfo::exists(target))
            continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile original(file);
        if (!original.copy(target)) {
            qCWarning(lcFiles) << "cannot copy" << file << "to" << target << original.errorString();
            continue;
        }
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    }
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
