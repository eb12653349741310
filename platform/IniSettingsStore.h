#pragma once

#include "platform/SettingsStore.h"

#include <QString>
#include <map>
#include <memory>

class QSettings;

namespace vireo {

// One INI file per application ("vro.ini", "Ovalo.ini") in one folder; section = INI group.
class IniSettingsStore final : public SettingsStore {
public:
    explicit IniSettingsStore(QString folder);
    ~IniSettingsStore() override;

    // $VIREO_SETTINGS when set, else $XDG_CONFIG_HOME/vireo (~/.config/vireo).
    static QString defaultFolder();

    QString read(const QString& application, const QString& section,
                 const QString& key) const override;
    bool write(const QString& application, const QString& section, const QString& key,
               const QString& value) override;

    QString folder() const { return folder_; }

private:
    QSettings& fileFor(const QString& application) const;

    QString folder_;
    mutable std::map<QString, std::unique_ptr<QSettings>> files_;
};

} // namespace vireo
