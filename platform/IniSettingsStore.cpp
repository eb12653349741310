#include "platform/IniSettingsStore.h"

#include "platform/Logging.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace vireo {

namespace {

const char* reason(QSettings::Status status)
{
    return status == QSettings::AccessError ? "cannot be read or written" : "is not an INI file";
}

} // namespace

IniSettingsStore::IniSettingsStore(QString folder) : folder_(std::move(folder)) {}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::defaultFolder()
{
    const QString overridden = qEnvironmentVariable("VIREO_SETTINGS");
    if (!overridden.isEmpty())
        return overridden;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/vireo");
}

QSettings& IniSettingsStore::fileFor(const QString& application) const
{
    auto it = files_.find(application);
    if (it != files_.end())
        return *it->second;
    if (!QDir().mkpath(folder_))
        qCWarning(lcFiles) << "settings folder" << folder_ << "cannot be made";
    auto settings = std::make_unique<QSettings>(
        folder_ + QLatin1Char('/') + application + QStringLiteral(".ini"), QSettings::IniFormat);
    QSettings& ref = *settings;
    files_.emplace(application, std::move(settings));
    return ref;
}

QString IniSettingsStore::read(const QString& application, const QString& section,
                               const QString& key) const
{
    QSettings& file = fileFor(application);
    // Another process (or the user) may have changed the file since our last look.
    file.sync();
    if (file.status() != QSettings::NoError)
        qCWarning(lcFiles) << "settings" << file.fileName() << reason(file.status());
    const QVariant value = file.value(section + QLatin1Char('/') + key);
    if (!value.isValid())
        return {};
    // A hand-edited value such as "a, b" comes back as a list; keep it as the text it was.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

bool IniSettingsStore::write(const QString& application, const QString& section, const QString& key,
                             const QString& value)
{
    QSettings& file = fileFor(application);
    file.setValue(section + QLatin1Char('/') + key, value);
    file.sync();
    if (file.status() == QSettings::NoError)
        return true;
    qCWarning(lcFiles) << "settings" << file.fileName() << reason(file.status())
                       << "; not stored:" << section << key;
    return false;
}

} // namespace vireo
