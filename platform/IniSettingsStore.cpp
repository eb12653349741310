#include "platform/IniSettingsStore.h"

#include "platform/Logging.h"
#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace vireo {

namespace {

constexpr QFileDevice::Permissions ownerOnlyFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions ownerOnlyFolder = ownerOnlyFile | QFileDevice::ExeOwner;

const char* reason(QSettings::Status status)
{
    return status == QSettings::AccessError ? "cannot be read or written" : "is not an INI file";
}

constexpr QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::WriteOther | QFileDevice::ExeOther;

QString perUserFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/vireo");
}

// The files hold the password hashes: the folder is made for its owner alone, and the
// per-user folder, which is ours, is taken back to its owner when an older run left it open. A
// folder named by $VIREO_SETTINGS that already exists is the user's choice and stays as it is.
void keepToOwner(const QString& folder)
{
    if (!QDir(folder).exists()) {
        if (!QDir().mkpath(folder)) {
            qCWarning(lcFiles) << "settings folder" << folder << "cannot be made";
            return;
        }
    } else if (QDir(folder) != QDir(perUserFolder())) {
        return;
    }
    if ((QFile::permissions(folder) & others) && !QFile::setPermissions(folder, ownerOnlyFolder))
        qCWarning(lcFiles) << "settings folder" << folder << "cannot be kept to its owner";
}

} // namespace

IniSettingsStore::IniSettingsStore(QString folder) : folder_(std::move(folder)) {}

IniSettingsStore::~IniSettingsStore()
{
    while (batchDepth_ > 0)
        endBatch();
}

QString IniSettingsStore::defaultFolder()
{
    const QString overridden = qEnvironmentVariable("VIREO_SETTINGS");
    if (!overridden.isEmpty())
        return overridden;
    return perUserFolder();
}

QString IniSettingsStore::pathOf(const QString& application) const
{
    return folder_ + QLatin1Char('/') + application + QStringLiteral(".ini");
}

QSettings* IniSettingsStore::fileFor(const QString& application) const
{
    // QSettings reads the file when made and at every sync, and would wait for good on a pipe.
    const QString path = pathOf(application);
    if (!isRegularOrAbsent(path)) {
        qCWarning(lcFiles) << "settings" << path << "not a regular file";
        return nullptr;
    }
    auto it = files_.find(application);
    if (it != files_.end())
        return it->second.get();
    keepToOwner(folder_);
    auto settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    QSettings* file = settings.get();
    files_.emplace(application, std::move(settings));
    return file;
}

QString IniSettingsStore::read(const QString& application, const QString& section,
                               const QString& key) const
{
    QSettings* file = fileFor(application);
    if (!file)
        return {};
    // Another process (or the user) may have changed the file since our last look; inside a
    // batch the sync would store the batch's writes early.
    if (batchDepth_ == 0)
        file->sync();
    if (file->status() != QSettings::NoError)
        qCWarning(lcFiles) << "settings" << file->fileName() << reason(file->status());
    const QVariant value = file->value(section + QLatin1Char('/') + key);
    if (!value.isValid())
        return {};
    // A hand-edited value such as "a, b" comes back as a list; keep it as the text it was.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

bool IniSettingsStore::store(QSettings& file, const QString& what)
{
    file.sync();
    if (QFile::permissions(file.fileName()) & others)
        QFile::setPermissions(file.fileName(), ownerOnlyFile);
    if (file.status() == QSettings::NoError)
        return true;
    qCWarning(lcFiles) << "settings" << file.fileName() << reason(file.status())
                       << "; not stored:" << what;
    return false;
}

bool IniSettingsStore::write(const QString& application, const QString& section, const QString& key,
                             const QString& value)
{
    QSettings* file = fileFor(application);
    if (!file) {
        qCWarning(lcFiles) << "settings" << pathOf(application) << "not stored:" << section << key;
        return false;
    }
    file->setValue(section + QLatin1Char('/') + key, value);
    if (batchDepth_ > 0) {
        pending_.try_emplace(application, section + QLatin1Char(' ') + key);
        return true;
    }
    return store(*file, section + QLatin1Char(' ') + key);
}

void IniSettingsStore::beginBatch()
{
    ++batchDepth_;
}

bool IniSettingsStore::endBatch()
{
    if (batchDepth_ == 0 || --batchDepth_ > 0)
        return true;
    bool stored = true;
    for (const auto& [application, what] : pending_) {
        QSettings* file = fileFor(application);
        if (!file || !store(*file, what + QStringLiteral(" and what followed it")))
            stored = false;
    }
    pending_.clear();
    return stored;
}

} // namespace vireo
