#include "shell/StartProcedure.h"

#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "shell/App.h"
#include "shell/ConfigWindow.h"
#include "shell/Settings.h"

#include <QDate>

namespace vireo {

namespace {

void writeSetting(SettingsStore& store, const SettingKey& key, const char* value)
{
    settings::write(store, key, QLatin1String(value));
}

// The limit and privacy switches as a first run leaves them; the MP3, log and search switches
// come before them on a first run only.
void writeLimitAndPrivacyDefaults(SettingsStore& store)
{
    writeSetting(store, settings::limitEnabled, "0");
    writeSetting(store, settings::otherFeaturesAllowed, "1");
    writeSetting(store, settings::limitMinutes, "240");
    writeSetting(store, settings::journalLocked, "1");
    writeSetting(store, settings::phonebookLocked, "0");
    writeSetting(store, settings::popupsDisabled, "0");
}

} // namespace

QString StartProcedure::version()
{
    return QStringLiteral("%1.%2.%3")
        .arg(VIREO_VERSION_MAJOR)
        .arg(VIREO_VERSION_MINOR)
        .arg(VIREO_VERSION_PATCH);
}

QString StartProcedure::firstRunMessage()
{
    return QStringLiteral(
        "Please select a parental password (used to block certain features of Vireo) and a "
        "Teen Password (used by the teen to secure his or her Journal entries).");
}

StartProcedure::RunKind StartProcedure::decide(const SettingsStore& store, const QString& version)
{
    const QString lastVersion = settings::read(store, settings::versionMarker);
    if (lastVersion == version)
        return RunKind::Ordinary;
    if (!lastVersion.isEmpty())
        return RunKind::AfterUpdate;
    // No marker: a store that already holds the program's settings was written by a version
    // that kept no marker, so this is an update, not a first run.
    const bool hasEarlierSettings = !settings::read(store, settings::startPage).isEmpty() ||
                                    !settings::read(store, settings::limitMinutes).isEmpty();
    return hasEarlierSettings ? RunKind::AfterUpdate : RunKind::First;
}

void StartProcedure::writeFirstRunDefaults(SettingsStore& store, const QString& startPage)
{
    writeSetting(store, settings::mp3Disabled, "0");
    writeSetting(store, settings::logBrowsing, "0");
    writeSetting(store, settings::searchesDisabled, "0");
    writeLimitAndPrivacyDefaults(store);
    settings::write(store, settings::startPage, startPage);
}

void StartProcedure::writeUpdateDefaults(SettingsStore& store)
{
    writeLimitAndPrivacyDefaults(store);
}

bool StartProcedure::isConfigurationPending(const SettingsStore& store)
{
    return settings::read(store, settings::configurationPending) == QLatin1String("1");
}

void StartProcedure::configurationDone(SettingsStore& store)
{
    settings::write(store, settings::configurationPending, QStringLiteral("0"));
}

StartProcedure::RunKind StartProcedure::run(App& app, const std::function<void()>& openMaster)
{
    app.today = QDate::currentDate();
    const QString thisVersion = version();
    const RunKind kind = decide(app.settings(), thisVersion);
    if (kind == RunKind::First) {
        writeFirstRunDefaults(app.settings(), app.folder().path(QStringLiteral("\\start.html")));
        app.write(settings::configurationPending, QStringLiteral("1"));
    }
    if (kind != RunKind::Ordinary)
        app.write(settings::versionMarker, thisVersion);

    openMaster();
    if (app.hasEnded())
        return kind;

    if (kind == RunKind::AfterUpdate)
        writeUpdateDefaults(app.settings());
    // A first run whose configuration was never confirmed goes on where it stopped; its OK
    // leads to the what's-new page as well.
    if (kind == RunKind::First || isConfigurationPending(app.settings())) {
        app.dialogs().message(firstRunMessage());
        if (ConfigWindow* config = app.config())
            config->showPanel(ConfigWindow::Panel::Configuration,
                              QStringLiteral("Vireo Configuration"), QSizeF(3330, 5520));
        return kind;
    }
    if (kind == RunKind::AfterUpdate) {
        if (ConfigWindow* config = app.config())
            config->showPanel(ConfigWindow::Panel::WhatsNew, QStringLiteral("What's New?"),
                              QSizeF(4815, 6870));
    }
    return kind;
}

} // namespace vireo
