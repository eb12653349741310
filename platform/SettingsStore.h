#pragma once

#include <QString>

namespace vireo {

// Per-user string values addressed by application, section and key.
// An absent key reads as the empty string; every write is on disk before write() returns,
// except inside a batch (SettingsBatch), whose writes reach the disk together when it ends.
// A write that could not be stored returns false; the store reports why to vireo.files.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& application, const QString& section,
                         const QString& key) const = 0;
    virtual bool write(const QString& application, const QString& section, const QString& key,
                       const QString& value) = 0;

    // Batches nest; only the outermost end stores. endBatch() is false when something of the
    // batch could not be stored.
    virtual void beginBatch() {}
    virtual bool endBatch() { return true; }
};

// Several writes stored in one go, for the time this object lives: a file is rewritten once,
// not once a value.
class SettingsBatch {
public:
    explicit SettingsBatch(SettingsStore& store) : store_(store) { store_.beginBatch(); }
    ~SettingsBatch() { store_.endBatch(); }
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;

private:
    SettingsStore& store_;
};

} // namespace vireo
