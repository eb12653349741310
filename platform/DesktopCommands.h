#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QUrl;

namespace vireo {

// The desktop's own programs: the viewer of a kind of file, settings and mixer programs.
class DesktopCommands {
public:
    virtual ~DesktopCommands() = default;
    // Opens a file in the desktop's viewer for its kind; false when none could be started.
    virtual bool openDocument(const QString& path) = 0;
    // Starts the first command whose program is installed (a command is the program and its
    // arguments), detached and never through a shell. False when none is installed or the one
    // found could not be started.
    virtual bool startFirst(const QList<QStringList>& commands) = 0;
    // Hands an address of a scheme the page engine does not show ("aim:") to the desktop's
    // program for that scheme; false when the desktop has none, or it could not be started.
    virtual bool openAddress(const QUrl& address) = 0;
};

} // namespace vireo
