#include "shell/StartProcedure.h"

#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "shell/App.h"
#include "shell/ConfigWindow.h"

#include <QDate>

namespace vireo {

namespace {

const QString vroApp = QStringLiteral("vro");
const QString settingsSection = QStringLiteral("settings");
const QString startupSection = QStringLiteral("startup");
const QString markerKey = QStringLiteral("version");

void writeSetting(SettingsStore& settings, const char* key, const char* value)
{
    settings.write(vroApp, settingsSection, QLatin1String(key), QLatin1String(value));
}

// Keys "4" to "9" as a first run leaves them; "1" to "3" come before them on a first run only.
void writeLimitAndPrivacyDefaults(SettingsStore& settings)
{
    writeSetting(settings, "4", "0");
    writeSetting(settings, "5", "1");
    writeSetting(settings, "6", "240");
    writeSetting(settings, "7", "1");
    writeSetting(settings, "8", "0");
    writeSetting(settings, "9", "0");
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

StartProcedure::RunKind StartProcedure::decide(const SettingsStore& settings,
                                               const QString& version)
{
    const QString lastVersion = settings.read(vroApp, startupSection, markerKey);
    if (lastVersion == version)
        return RunKind::Ordinary;
    if (!lastVersion.isEmpty())
        return RunKind::AfterUpdate;
    // No marker: a store that already holds the program's settings was written by a version
    // that kept no marker, so this is an update, not a first run.
    const bool hasEarlierSettings =
        !settings.read(vroApp, startupSection, QStringLiteral("startpage")).isEmpty() ||
        !settings.read(vroApp, settingsSection, QStringLiteral("6")).isEmpty();
    return hasEarlierSettings ? RunKind::AfterUpdate : RunKind::First;
}

void StartProcedure::writeFirstRunDefaults(SettingsStore& settings, const QString& startPage)
{
    writeSetting(settings, "1", "0");
    writeSetting(settings, "2", "0");
    writeSetting(settings, "3", "0");
    writeLimitAndPrivacyDefaults(settings);
    settings.write(vroApp, startupSection, QStringLiteral("startpage"), startPage);
}

void StartProcedure::writeUpdateDefaults(SettingsStore& settings)
{
    writeLimitAndPrivacyDefaults(settings);
}

StartProcedure::RunKind StartProcedure::run(App& app, const std::function<void()>& openMaster)
{
    app.today = QDate::currentDate();
    const QString thisVersion = version();
    const RunKind kind = decide(app.settings(), thisVersion);
    if (kind == RunKind::First)
        writeFirstRunDefaults(app.settings(), app.folder().path(QStringLiteral("\\start.html")));
    if (kind != RunKind::Ordinary)
        app.settings().write(vroApp, startupSection, markerKey, thisVersion);

    openMaster();
    if (app.hasEnded())
        return kind;

    if (kind == RunKind::First) {
        app.dialogs().message(firstRunMessage());
        if (ConfigWindow* config = app.config())
            config->showPanel(ConfigWindow::Panel::Configuration,
                              QStringLiteral("Vireo Configuration"), QSizeF(3330, 5520));
    }
    if (kind == RunKind::AfterUpdate) {
        writeUpdateDefaults(app.settings());
        if (ConfigWindow* config = app.config())
            config->showPanel(ConfigWindow::Panel::WhatsNew, QStringLiteral("What's New?"),
                              QSizeF(4815, 6870));
    }
    return kind;
}

} // namespace vireo
