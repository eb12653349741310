#include "shell/DefaultButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

namespace vireo {

namespace {

bool isPlainKey(const QKeyEvent* key)
{
    return !(key->modifiers() & ~Qt::KeypadModifier);
}

class DefaultButtonFilter : public QObject {
public:
    DefaultButtonFilter(QWidget* panel, QAbstractButton* button) : QObject(panel), button_(button)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool isEnter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!isEnter || !isPlainKey(key) || !button_)
            return QObject::eventFilter(watched, event);
        QWidget* focus = QApplication::focusWidget();
        auto* focused = qobject_cast<QAbstractButton*>(focus);
        const bool takesEnter =
            qobject_cast<QPushButton*>(focus) || qobject_cast<QToolButton*>(focus);
        QAbstractButton* pressed =
            focused && takesEnter && focused->isEnabled() ? focused : button_.data();
        if (!pressed->isEnabled())
            return QObject::eventFilter(watched, event);
        pressed->click();
        return true;
    }

private:
    QPointer<QAbstractButton> button_;
};

class EscapeFilter : public QObject {
public:
    EscapeFilter(QWidget* panel, std::function<void()> action)
        : QObject(panel), action_(std::move(action))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Escape || !isPlainKey(key))
            return QObject::eventFilter(watched, event);
        action_();
        return true;
    }

private:
    std::function<void()> action_;
};

} // namespace

void setDefaultButton(QWidget* panel, QAbstractButton* button)
{
    if (auto* push = qobject_cast<QPushButton*>(button))
        push->setDefault(true);
    panel->installEventFilter(new DefaultButtonFilter(panel, button));
}

void setEscapeAction(QWidget* panel, std::function<void()> action)
{
    panel->installEventFilter(new EscapeFilter(panel, std::move(action)));
}

} // namespace vireo
