#include "parental/PasswordGate.h"

#include "platform/Dialogs.h"
#include "shell/DefaultButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vireo {

void maskEntry(QLineEdit* entry)
{
    entry->setEchoMode(QLineEdit::Password);
    // 42 is "*": the style's own mask character is often a dot.
    entry->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
}

QString PasswordGate::failureMessage(Style style)
{
    return style == Style::Logon ? QStringLiteral("Incorrect Password!")
                                 : QStringLiteral("Incorrect Password");
}

PasswordGate::PasswordGate(Passwords::Kind kind, Style style, const Texts& texts,
                           SettingsStore& settings, Dialogs& dialogs, QWidget* parent)
    : QFrame(parent), kind_(kind), style_(style), settings_(settings), dialogs_(dialogs)
{
    title = new QLabel(texts.title, this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.15);
    title->setFont(titleFont);
    title->setVisible(!texts.title.isEmpty());

    prompt = new QLabel(texts.prompt, this);
    prompt->setWordWrap(true);

    entry = new QLineEdit(this);
    maskEntry(entry);
    entry->setAccessibleName(texts.prompt);
    prompt->setBuddy(entry);

    confirmButton = new QPushButton(texts.confirm, this);
    cancelButton = new QPushButton(texts.cancel, this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(confirmButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(prompt);
    layout->addWidget(entry);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(confirmButton, &QPushButton::clicked, this, &PasswordGate::confirm);
    setDefaultButton(this, confirmButton);
    connect(cancelButton, &QPushButton::clicked, this, &PasswordGate::cancelled);
    setEscapeAction(this, [this] { cancelButton->click(); });
}

QPushButton* PasswordGate::addLink(const QString& text)
{
    auto* link = new QPushButton(text, this);
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    link->setStyleSheet(
        QStringLiteral("QPushButton { color: #1a4f8b; text-decoration: underline; }"));
    layout()->addWidget(link);
    return link;
}

bool PasswordGate::confirm()
{
    if (!Passwords(settings_).verify(kind_, entry->text())) {
        dialogs_.message(failureMessage(style_));
        return false;
    }
    if (style_ == Style::Logon)
        entry->clear();
    Q_EMIT passed();
    return true;
}

} // namespace vireo
