#pragma once

#include <QString>

namespace vireo {

class SettingsStore;

// What the options dialog shows and stores: its check boxes as 0 (clear) or 1 (ticked), the
// limit in minutes as `Text6` holds it, and the start page.
struct OptionsValues {
    // The minutes slider: its ends and steps, and where it stands by design.
    static constexpr int minutesMinimum = 15;
    static constexpr int minutesMaximum = 240;
    static constexpr int minutesSmallStep = 2;
    static constexpr int minutesLargeStep = 15;
    static constexpr int minutesDesign = 120;

    int mp3Disabled = 0;                              // "1"
    int logBrowsing = 0;                              // "2"
    int searchesDisabled = 0;                         // "3"
    int limitEnabled = 0;                             // "4"
    int otherFeaturesAllowed = 0;                     // "5"
    QString minutes = QString::number(minutesDesign); // "6", as Text6 holds it
    int journalLocked = 0;                            // "7"
    int phonebookLocked = 0;                          // "8"
    int popupsDisabled = 0;                           // "9"
    QString startPage;

    // Reads every value. A switch that is missing or not a whole number reads as clear; a
    // limit that is not a whole number reads as the slider's design value.
    static OptionsValues read(const SettingsStore& store);
    // Writes every value, in the order "1" to "5", "6", "9", "7", "8", the start page.
    void write(SettingsStore& store) const;

    // Where the slider stands for `minutes`: its value within the slider's ends.
    static int sliderPosition(const QString& minutes);
};

} // namespace vireo
