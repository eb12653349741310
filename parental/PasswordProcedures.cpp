#include "parental/PasswordProcedures.h"

namespace vireo {

FirstRunOutcome setBothPasswords(Passwords& passwords, const FirstRunEntries& entries)
{
    if (entries.parentalSet != entries.parentalConfirm)
        return FirstRunOutcome::ParentalMismatch;
    passwords.set(Passwords::Kind::Parental, entries.parentalSet);
    if (entries.teenSet != entries.teenConfirm)
        return FirstRunOutcome::TeenMismatch;
    passwords.set(Passwords::Kind::Teen, entries.teenSet);
    return FirstRunOutcome::BothSet;
}

QString firstRunMessage(FirstRunOutcome outcome)
{
    switch (outcome) {
    case FirstRunOutcome::ParentalMismatch:
        // Saying nothing would leave the parent believing a password was set.
        return passwordText::parentalMismatch();
    case FirstRunOutcome::TeenMismatch:
        return passwordText::teenFirstRunMismatch();
    case FirstRunOutcome::BothSet:
        return passwordText::changed();
    }
    return {};
}

ChangeOutcome changePassword(Passwords& passwords, Passwords::Kind kind, const QString& oldEntry,
                             const QString& newEntry, const QString& confirmEntry)
{
    if (!passwords.verify(kind, oldEntry))
        return ChangeOutcome::OldMismatch;
    if (newEntry != confirmEntry)
        return ChangeOutcome::NewMismatch;
    passwords.set(kind, newEntry);
    return ChangeOutcome::Changed;
}

QString changeMessage(Passwords::Kind kind, ChangeOutcome outcome)
{
    switch (outcome) {
    case ChangeOutcome::OldMismatch:
        return passwordText::oldMismatch();
    case ChangeOutcome::NewMismatch:
        return kind == Passwords::Kind::Parental ? passwordText::parentalMismatch()
                                                 : passwordText::teenChangeMismatch();
    case ChangeOutcome::Changed:
        return passwordText::changed();
    }
    return {};
}

} // namespace vireo
