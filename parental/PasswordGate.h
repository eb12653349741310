#pragma once

#include "parental/Passwords.h"

#include <QFrame>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vireo {

class Dialogs;
class SettingsStore;

// Makes an entry box take a password: its characters show as "*".
void maskEntry(QLineEdit* entry);

// A password gate: a prompt, a masked entry box and a confirm and a cancel button. Confirm
// checks the entry against the stored password of its kind, read at that moment; a wrong
// entry shows the gate's failure message and leaves the entry as typed. The window that
// holds the gate decides what passing and cancelling do, and names the controls.
class PasswordGate : public QFrame {
    Q_OBJECT
public:
    // The two wordings of a failed check: the logon panels of the phone book and the journal
    // say "Incorrect Password!", the options dialog's prompts and the override say
    // "Incorrect Password". A logon panel also empties its entry once passed.
    enum class Style { Logon, Prompt };

    struct Texts {
        QString title; // shown above the prompt; none when empty
        QString prompt;
        QString confirm = QStringLiteral("OK");
        QString cancel = QStringLiteral("Cancel");
    };

    PasswordGate(Passwords::Kind kind, Style style, const Texts& texts, SettingsStore& settings,
                 Dialogs& dialogs, QWidget* parent = nullptr);

    static QString failureMessage(Style style);

    QLabel* title;
    QLabel* prompt;
    QLineEdit* entry;
    QPushButton* confirmButton;
    QPushButton* cancelButton;

    // What the confirm button does: true when the entry is the password.
    bool confirm();

    // Adds a button drawn as a link under the gate's buttons, the last stop of its Tab order:
    // the logon panels' "(Change your password)". A plain button, so Tab stops on it once and
    // Space or Enter presses it.
    QPushButton* addLink(const QString& text);

Q_SIGNALS:
    void passed();
    void cancelled();

private:
    Passwords::Kind kind_;
    Style style_;
    SettingsStore& settings_;
    Dialogs& dialogs_;
};

} // namespace vireo
