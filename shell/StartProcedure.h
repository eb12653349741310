#pragma once

#include <QString>
#include <functional>

namespace vireo {

class App;
class SettingsStore;

// The first code that runs: takes today's date, writes the defaults a first run or an update
// needs, opens the master window and, when due, the configuration or what's-new window.
class StartProcedure {
public:
    enum class RunKind { First, AfterUpdate, Ordinary };

    // "major.minor.patch" of this build.
    static QString version();

    // First run: the store holds nothing of an earlier run. After an update: the version that
    // last ran (our marker) is not this one. The marker is "vro"/"startup"/"version".
    static RunKind decide(const SettingsStore& settings, const QString& version);

    static void writeFirstRunDefaults(SettingsStore& settings, const QString& startPage);
    static void writeUpdateDefaults(SettingsStore& settings);

    // From a first run until the first-run configuration's OK has stored the passwords, every
    // start shows the first-run message and the configuration again.
    static bool isConfigurationPending(const SettingsStore& settings);
    static void configurationDone(SettingsStore& settings);

    // Runs the whole procedure; `openMaster` creates the master window and shows it.
    static RunKind run(App& app, const std::function<void()>& openMaster);

    static QString firstRunMessage();
};

} // namespace vireo
