#pragma once

#include <QLatin1String>
#include <QString>

namespace vireo {

class SettingsStore;

// One value of the settings store: application, section, key.
struct SettingKey {
    QLatin1String application;
    QLatin1String section;
    QLatin1String key;
};

// Every key the program reads or writes, named once with what it means. Values are text:
// switches are "0" (off) or "1" (on), numbers are decimal text, positions and sizes are twips.
namespace settings {

// The program's own settings, and the file that holds the two passwords.
inline constexpr QLatin1String programApplication("vro");
inline constexpr QLatin1String passwordApplication("Ovalo");

inline constexpr QLatin1String optionsSection("settings");
inline constexpr QLatin1String startupSection("startup");
inline constexpr QLatin1String placementSection("pos");
inline constexpr QLatin1String passwordSection("0f");

constexpr SettingKey option(const char* key)
{
    return {programApplication, optionsSection, QLatin1String(key)};
}
constexpr SettingKey startup(const char* key)
{
    return {programApplication, startupSection, QLatin1String(key)};
}
constexpr SettingKey placement(const char* key)
{
    return {programApplication, placementSection, QLatin1String(key)};
}
constexpr SettingKey password(const char* key)
{
    return {passwordApplication, passwordSection, QLatin1String(key)};
}

// The options dialog's switches and the daily limit. When on:
// - mp3Disabled: the MP3 launcher and menu items are hidden, a playlist on the command line is
//   not opened;
// - logBrowsing: the browsing log is written at every status text of a page;
// - searchesDisabled: the CD and movie search commands are hidden;
// - limitEnabled: the daily browsing limit counts;
// - otherFeaturesAllowed: the rest of the program stays usable when the limit is reached;
// - journalLocked, phonebookLocked: the journal, the phone book ask for the teen password;
// - popupsDisabled: stored and shown, acted on nowhere.
// limitMinutes is the limit in minutes. First-run values: all "0" except "5" and "7" ("1") and
// "6" ("240"), as StartProcedure writes them.
inline constexpr SettingKey mp3Disabled = option("1");
inline constexpr SettingKey logBrowsing = option("2");
inline constexpr SettingKey searchesDisabled = option("3");
inline constexpr SettingKey limitEnabled = option("4");
inline constexpr SettingKey otherFeaturesAllowed = option("5");
inline constexpr SettingKey limitMinutes = option("6");
inline constexpr SettingKey journalLocked = option("7");
inline constexpr SettingKey phonebookLocked = option("8");
inline constexpr SettingKey popupsDisabled = option("9");

// The day to which "ole" belongs, and the browsing seconds counted on it.
inline constexpr SettingKey day = option("date");
inline constexpr SettingKey secondsUsed = option("ole");

// The browser's start page, and the version that last ran (tells a first run and an update).
inline constexpr SettingKey startPage = startup("startpage");
inline constexpr SettingKey versionMarker = startup("version");
// "1" from a first run until the first-run configuration's OK has stored the passwords: a
// configuration closed by its close box comes back at the next start.
inline constexpr SettingKey configurationPending = startup("configure");

// The master window's placement, in twips, and its state: "0" normal, "1" minimized,
// "2" maximized.
inline constexpr SettingKey placementTop = placement("Top");
inline constexpr SettingKey placementLeft = placement("Left");
inline constexpr SettingKey placementHeight = placement("Height");
inline constexpr SettingKey placementWidth = placement("Width");
inline constexpr SettingKey windowState = placement("WindowState");

// The parental and the teen password, each as stored by Passwords.
inline constexpr SettingKey parentalPassword = password("esarin");
inline constexpr SettingKey teenPassword = password("CPUFace");

// How a window tells whether a switch is on. The windows do not agree, and each keeps its
// comparison: `Text` takes only the text "1" as on; `Number` takes any text that converts to
// the number 1 (" 1", "1.0", "&H1"), and a text that is not a number as off.
enum class SwitchRule { Text, Number };

bool isOn(const QString& value, SwitchRule rule);

QString read(const SettingsStore& store, const SettingKey& key);
bool isOn(const SettingsStore& store, const SettingKey& key, SwitchRule rule);
// False when the value could not be stored (the store has logged why).
bool write(SettingsStore& store, const SettingKey& key, const QString& value);

} // namespace settings

} // namespace vireo
