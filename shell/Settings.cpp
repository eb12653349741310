#include "shell/Settings.h"

#include "platform/SettingsStore.h"
#include "platform/VbConvert.h"

namespace vireo::settings {

bool isOn(const QString& value, SwitchRule rule)
{
    if (rule == SwitchRule::Number)
        return vb::equalsNumber(value, 1);
    return value == QLatin1String("1");
}

QString read(const SettingsStore& store, const SettingKey& key)
{
    return store.read(key.application, key.section, key.key);
}

bool isOn(const SettingsStore& store, const SettingKey& key, SwitchRule rule)
{
    return isOn(read(store, key), rule);
}

bool write(SettingsStore& store, const SettingKey& key, const QString& value)
{
    return store.write(key.application, key.section, key.key, value);
}

} // namespace vireo::settings
