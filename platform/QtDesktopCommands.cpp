#include "platform/QtDesktopCommands.h"

#include "platform/Logging.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace vireo {

bool QtDesktopCommands::openDocument(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtDesktopCommands::startFirst(const QList<QStringList>& commands)
{
    for (const QStringList& command : commands) {
        if (command.isEmpty())
            continue;
        const QString program = QStandardPaths::findExecutable(command.first());
        if (program.isEmpty())
            continue;
        if (QProcess::startDetached(program, command.mid(1)))
            return true;
        qCWarning(lcFiles) << "could not start" << program;
        return false;
    }
    return false;
}

} // namespace vireo
