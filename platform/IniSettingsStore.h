#pragma once

#include "platform/SettingsStore.h"

#include <QString>
#include <map>
#include <memory>

class QSettings;

namespace vireo {

// One INI file per application ("vro.ini", "Ovalo.ini") in one folder; section = INI group.
// The files hold the password hashes: the folder is kept to its owner (0700), each file too
// (0600). A file that is there but not a regular file (a named pipe would block every read)
// reads as empty and takes no write.
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

    void beginBatch() override;
    bool endBatch() override;

    QString folder() const { return folder_; }

private:
    // Nullptr when the application's path names something other than a regular file.
    QSettings* fileFor(const QString& application) const;
    QString pathOf(const QString& application) const;
    bool store(QSettings& file, const QString& what);

    QString folder_;
    mutable std::map<QString, std::unique_ptr<QSettings>> files_;
    int batchDepth_ = 0;
    std::map<QString, QString> pending_; // application -> first key written in the batch
};

} // namespace vireo
