#include "parental/PasswordChangePanel.h"

#include "parental/PasswordGate.h"
#include "parental/PasswordProcedures.h"
#include "platform/Dialogs.h"
#include "shell/DefaultButton.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vireo {

namespace {

QLineEdit* passwordEntry(const QString& label, QWidget* parent)
{
    auto* entry = new QLineEdit(parent);
    maskEntry(entry);
    entry->setAccessibleName(label);
    return entry;
}

} // namespace

PasswordChangePanel::PasswordChangePanel(Passwords::Kind kind, SettingsStore& settings,
                                         Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), kind_(kind), settings_(settings), dialogs_(dialogs)
{
    const QString oldLabel = QStringLiteral("Old Password:");
    const QString newLabel = QStringLiteral("New Password:");
    const QString confirmLabel = QStringLiteral("Confirm Password:");
    oldEntry = passwordEntry(oldLabel, this);
    newEntry = passwordEntry(newLabel, this);
    confirmEntry = passwordEntry(confirmLabel, this);
    changeButton = new QPushButton(QStringLiteral("Change Password"), this);
    clearButton = new QPushButton(QStringLiteral("Clear"), this);

    auto* form = new QFormLayout;
    form->addRow(oldLabel, oldEntry);
    form->addRow(newLabel, newEntry);
    form->addRow(confirmLabel, confirmEntry);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(changeButton);
    buttons->addWidget(clearButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form);
    layout->addLayout(buttons);

    setDefaultButton(this, changeButton);
    connect(changeButton, &QPushButton::clicked, this, &PasswordChangePanel::change);
    connect(clearButton, &QPushButton::clicked, this, &PasswordChangePanel::clear);
}

void PasswordChangePanel::change()
{
    Passwords passwords(settings_);
    const ChangeOutcome outcome =
        changePassword(passwords, kind_, oldEntry->text(), newEntry->text(), confirmEntry->text());
    dialogs_.message(changeMessage(kind_, outcome));
}

void PasswordChangePanel::clear()
{
    oldEntry->clear();
    newEntry->clear();
    confirmEntry->clear();
}

} // namespace vireo
