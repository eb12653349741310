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

bool QtDesktopCommands::openAddress(const QUrl& address)
{
    // The desktop services report success as soon as xdg-open starts, whether or not anything
    // takes the address. Where the desktop can be asked, its program for the scheme is looked up
    // first, and xdg-open (what the desktop services would start) is started only when there is
    // one.
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (query.isEmpty() || opener.isEmpty())
        return QDesktopServices::openUrl(address);
    QProcess lookup;
    lookup.start(query, {QStringLiteral("query"), QStringLiteral("default"),
                         QStringLiteral("x-scheme-handler/") + address.scheme()});
    if (!lookup.waitForFinished(5000) || lookup.exitStatus() != QProcess::NormalExit ||
        lookup.exitCode() != 0) {
        qCWarning(lcWeb) << "could not ask the desktop for its" << address.scheme() << "program";
        return QDesktopServices::openUrl(address);
    }
    if (lookup.readAllStandardOutput().trimmed().isEmpty()) {
        qCWarning(lcWeb) << "the desktop has no program for" << address.scheme() << "addresses";
        return false;
    }
    if (QProcess::startDetached(opener, {QString::fromLatin1(address.toEncoded())}))
        return true;
    qCWarning(lcWeb) << "could not start" << opener;
    return false;
}

} // namespace vireo
