#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace vireo {

class SettingsStore;

// What the daily allowance has the counting window do: the master window in the program, a
// recorder in tests.
class AllowanceActions {
public:
    virtual ~AllowanceActions() = default;
    // The count before it grows, in the hidden counter box.
    virtual void showCount(const QString& count) = 0;
    // A Yes/No question; true for Yes.
    virtual bool ask(const QString& question) = 0;
    virtual void disableMaster() = 0;
    virtual void enableMaster() = 0;
    virtual void stopCounting() = 0;
    // The configuration window's parental override panel.
    virtual void openOverride() = 0;
    virtual void endProgram() = 0;
};

// The daily browsing allowance: the seconds counted on the stored day ("ole" of "date"), the
// limit in minutes (setting "6"), what happens at start-up and at each one-second tick when the
// limit is reached. The count lives in the App's `secondsused` and the block in its
// `browseblocked`, which other windows read.
//
// The count is made of ticks, never of clock differences: changing the system clock during a
// run neither adds nor removes seconds. While it counts, the count is stored every
// `ticksBetweenSaves` ticks, so a program that dies loses at most that many seconds; a store
// that refuses a write is tried again at the next tick, and the next write that succeeds holds
// the whole count.
class Allowance {
public:
    Allowance(SettingsStore& store, QString& secondsused, QString& browseblocked,
              AllowanceActions& actions);

    static constexpr int ticksBetweenSaves = 30;

    // The day as the store keeps it: the date in the user's short-date form.
    static QString dayText(const QDate& day);
    static QString question();
    // The question of the tick that ends the program on No: it begins with "!".
    static QString endingQuestion();

    // Whether the minutes used reach the limit in minutes (setting "6", read now), compared as
    // numbers. When either is not a number the check fails and its last result stands.
    bool limitReached(std::optional<double> minutesUsed);

    // The start-up check, run once while the master window loads, whether or not the limit is
    // enabled. A new day is recognised here only.
    void checktime(const QDate& today);
    // One second of use.
    void tick();
    // Stores the count and its day; false when the store refused.
    bool save();

    // Whether the last check found the limit reached.
    bool reached() const { return reached_; }

private:
    bool othersForbidden() const;
    void endProgram();

    SettingsStore& store_;
    QString& secondsused_;
    QString& browseblocked_;
    AllowanceActions& actions_;
    QString day_; // the day the count belongs to, once the start-up check has run
    bool reached_ = false;
    int unsavedTicks_ = 0;
    bool savePending_ = false;
};

} // namespace vireo
