#include "shell/DefaultButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

namespace vireo {

namespace {

class DefaultButtonFilter : public QObject {
public:
    DefaultButtonFilter(QWidget* panel, QPushButton* button) : QObject(panel), button_(button) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool isEnter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!isEnter || (key->modifiers() & ~Qt::KeypadModifier) || !button_)
            return QObject::eventFilter(watched, event);
        auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        QPushButton* pressed = focused && focused->isEnabled() ? focused : button_.data();
        if (!pressed->isEnabled())
            return QObject::eventFilter(watched, event);
        pressed->click();
        return true;
    }

private:
    QPointer<QPushButton> button_;
};

} // namespace

void setDefaultButton(QWidget* panel, QPushButton* button)
{
    button->setDefault(true);
    panel->installEventFilter(new DefaultButtonFilter(panel, button));
}

} // namespace vireo
