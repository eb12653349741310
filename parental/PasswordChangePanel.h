#pragma once

#include "parental/Passwords.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace vireo {

class Dialogs;
class SettingsStore;

// "Old Password:", "New Password:", "Confirm Password:" with "Change Password" and "Clear":
// the change of one password. The change is stored at once; the entries keep their text.
class PasswordChangePanel : public QWidget {
    Q_OBJECT
public:
    PasswordChangePanel(Passwords::Kind kind, SettingsStore& settings, Dialogs& dialogs,
                        QWidget* parent = nullptr);

    QLineEdit* oldEntry;
    QLineEdit* newEntry;
    QLineEdit* confirmEntry;
    QPushButton* changeButton;
    QPushButton* clearButton;

    void change();
    // Empties the three entries and does nothing else.
    void clear();

private:
    Passwords::Kind kind_;
    SettingsStore& settings_;
    Dialogs& dialogs_;
};

} // namespace vireo
