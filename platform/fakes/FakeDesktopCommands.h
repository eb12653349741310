#pragma once

#include "platform/DesktopCommands.h"

#include <QUrl>

namespace vireo {

// Records what would have been opened or started; `installed` names the programs that exist,
// `schemes` the address schemes with a program.
class FakeDesktopCommands final : public DesktopCommands {
public:
    bool openDocument(const QString& path) override
    {
        opened.append(path);
        return viewerExists;
    }
    bool startFirst(const QList<QStringList>& commands) override
    {
        for (const QStringList& command : commands) {
            if (!command.isEmpty() && installed.contains(command.first())) {
                started.append(command);
                return true;
            }
        }
        return false;
    }
    bool openAddress(const QUrl& address) override
    {
        addresses.append(address.toString());
        return schemes.contains(address.scheme());
    }

    bool viewerExists = true;
    QStringList installed;
    QStringList opened;
    QList<QStringList> started;
    QStringList schemes; // the schemes the desktop has a program for
    QStringList addresses;
};

} // namespace vireo
