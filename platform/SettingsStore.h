#pragma once

#include <QString>

namespace vireo {

// Per-user string values addressed by application, section and key.
// An absent key reads as the empty string; every write is on disk before write() returns.
// A write that could not be stored returns false; the store reports why to vireo.files.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& application, const QString& section,
                         const QString& key) const = 0;
    virtual bool write(const QString& application, const QString& section, const QString& key,
                       const QString& value) = 0;
};

} // namespace vireo
