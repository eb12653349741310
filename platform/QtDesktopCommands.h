#pragma once

#include "platform/DesktopCommands.h"

namespace vireo {

// The desktop's programs through Qt: the viewer and the programs for other addresses through the
// desktop services, the programs found on the PATH.
class QtDesktopCommands final : public DesktopCommands {
public:
    bool openDocument(const QString& path) override;
    bool startFirst(const QList<QStringList>& commands) override;
    bool openAddress(const QUrl& address) override;
};

} // namespace vireo
