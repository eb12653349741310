#include "platform/fakes/MemorySettingsStore.h"

namespace vireo {

QString MemorySettingsStore::address(const QString& a, const QString& s, const QString& k)
{
    return a + QChar(0) + s + QChar(0) + k;
}

QString MemorySettingsStore::read(const QString& application, const QString& section,
                                  const QString& key) const
{
    return values_.value(address(application, section, key));
}

bool MemorySettingsStore::write(const QString& application, const QString& section,
                                const QString& key, const QString& value)
{
    if (refuseWrites)
        return false;
    values_.insert(address(application, section, key), value);
    writes_.append({application, section, key, value});
    if (openBatches_ == 0)
        ++writesOutsideBatches_;
    return true;
}

bool MemorySettingsStore::endBatch()
{
    if (openBatches_ > 0)
        --openBatches_;
    return true;
}

} // namespace vireo
