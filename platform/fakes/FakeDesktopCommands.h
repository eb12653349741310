#pragma once

#include "platform/DesktopCommands.h"

namespace vireo {

// Records what would have been opened or started; `installed` names the programs that exist.
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

    bool viewerExists = true;
    QStringList installed;
    QStringList opened;
    QList<QStringList> started;
};

} // namespace vireo
