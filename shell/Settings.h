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

// The options dialog's switches and the daily limit, with their first-run values.
inline constexpr SettingKey mp3Disabled = option("1");          // "0": MP3 tools hidden
inline constexpr SettingKey logBrowsing = option("2");          // "0": log rewritten on each status
inline constexpr SettingKey searchesDisabled = option("3");     // "0": CD and movie searches hidden
inline constexpr SettingKey limitEnabled = option("4");         // "0": the daily limit counts
inline constexpr SettingKey otherFeaturesAllowed = option("5"); // "1": usable past the limit
inline constexpr SettingKey limitMinutes = option("6");         // "240": minutes a day
inline constexpr SettingKey journalLocked = option("7");   // "1": journal asks the teen password
inline constexpr SettingKey phonebookLocked = option("8"); // "0": phone book asks it
inline constexpr SettingKey popupsDisabled = option("9");  // "0": stored, acted on nowhere

// The day to which "ole" belongs, and the browsing seconds counted on it.
inline constexpr SettingKey day = option("date");
inline constexpr SettingKey secondsUsed = option("ole");

// The browser's start page, and the version that last ran (tells a first run and an update).
inline constexpr SettingKey startPage{programApplication, startupSection,
                                      QLatin1String("startpage")};
inline constexpr SettingKey versionMarker{programApplication, startupSection,
                                          QLatin1String("version")};

// The master window's placement, in twips, and its state: "0" normal, "1" minimized,
// "2" maximized.
inline constexpr SettingKey placementTop{programApplication, placementSection,
                                         QLatin1String("Top")};
inline constexpr SettingKey placementLeft{programApplication, placementSection,
                                          QLatin1String("Left")};
inline constexpr SettingKey placementHeight{programApplication, placementSection,
                                            QLatin1String("Height")};
inline constexpr SettingKey placementWidth{programApplication, placementSection,
                                           QLatin1String("Width")};
inline constexpr SettingKey windowState{programApplication, placementSection,
                                        QLatin1String("WindowState")};

// The parental and the teen password, each as stored by Passwords.
inline constexpr SettingKey parentalPassword{passwordApplication, passwordSection,
                                             QLatin1String("esarin")};
inline constexpr SettingKey teenPassword{passwordApplication, passwordSection,
                                         QLatin1String("CPUFace")};

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
