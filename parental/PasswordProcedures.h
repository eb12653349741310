#pragma once

#include "parental/Passwords.h"

#include <QString>

namespace vireo {

// The first-run setting of both passwords (configuration window, "OK").
struct FirstRunEntries {
    QString parentalSet, parentalConfirm, teenSet, teenConfirm;
};

enum class FirstRunOutcome {
    ParentalMismatch, // nothing stored
    TeenMismatch,     // the parental password is stored, the teen password is not
    BothSet,
};

// Stores the parental password, then the teen password, stopping at the first pair that
// differs.
FirstRunOutcome setBothPasswords(Passwords& passwords, const FirstRunEntries& entries);

// The message that reports an outcome of the first-run setting.
QString firstRunMessage(FirstRunOutcome outcome);

// Changing one password (options dialog, "Change Password").
enum class ChangeOutcome {
    OldMismatch, // the old-password entry is not the stored password
    NewMismatch, // the new and confirm entries differ
    Changed,
};

ChangeOutcome changePassword(Passwords& passwords, Passwords::Kind kind, const QString& oldEntry,
                             const QString& newEntry, const QString& confirmEntry);

QString changeMessage(Passwords::Kind kind, ChangeOutcome outcome);

namespace passwordText {
inline QString changed()
{
    return QStringLiteral("Password Changed!");
}
inline QString parentalMismatch()
{
    return QStringLiteral(
        "Your Parental Password could not be set, because the passwords don't match!");
}
inline QString teenFirstRunMismatch()
{
    return QStringLiteral("Your passwords could not be set, because the passwords don't match!");
}
inline QString teenChangeMismatch()
{
    return QStringLiteral("Your password could not be set, because the passwords don't match!");
}
inline QString oldMismatch()
{
    return QStringLiteral("The old password you entered doesn't match your current password!");
}
} // namespace passwordText

} // namespace vireo
