#include "shell/ClickLabel.h"

#include "shell/ClickLabelAccessible.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <utility>

namespace vireo {

namespace {

bool isCommandSignal(const QMetaMethod& signal)
{
    return signal == QMetaMethod::fromSignal(&ClickLabel::Click) ||
           signal == QMetaMethod::fromSignal(&ClickLabel::MouseUp) ||
           signal == QMetaMethod::fromSignal(&ClickLabel::DblClick);
}

} // namespace

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent)
{
    ClickLabelAccessible::install();
}

bool ClickLabel::hasCommand() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&ClickLabel::Click)) ||
           isSignalConnected(QMetaMethod::fromSignal(&ClickLabel::MouseUp)) ||
           isSignalConnected(QMetaMethod::fromSignal(&ClickLabel::DblClick));
}

void ClickLabel::press()
{
    const bool onlyDoubleClick =
        isSignalConnected(QMetaMethod::fromSignal(&ClickLabel::DblClick)) &&
        !isSignalConnected(QMetaMethod::fromSignal(&ClickLabel::Click)) &&
        !isSignalConnected(QMetaMethod::fromSignal(&ClickLabel::MouseUp));
    // A command may close the window: it is deleted later, but a closed label sends no more.
    const QPointer<ClickLabel> self(this);
    Q_EMIT MouseDown();
    if (self)
        Q_EMIT MouseUp();
    if (self)
        Q_EMIT Click();
    if (self && onlyDoubleClick)
        Q_EMIT DblClick();
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QLabel::mousePressEvent(event);
    pressed_ = true;
    Q_EMIT MouseDown();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_)
        return QLabel::mouseReleaseEvent(event);
    pressed_ = false;
    const bool secondClick = std::exchange(doubleClicked_, false);
    Q_EMIT MouseUp();
    if (!secondClick && rect().contains(event->position().toPoint()))
        Q_EMIT Click();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The base class would take this for a press, and the release after it for a click.
    if (event->button() != Qt::LeftButton)
        return QLabel::mouseDoubleClickEvent(event);
    pressed_ = true;
    doubleClicked_ = true;
    Q_EMIT DblClick();
}

void ClickLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool pressKey = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!pressKey || (event->modifiers() & ~Qt::KeypadModifier) || !hasCommand())
        return QLabel::keyPressEvent(event);
    event->accept();
    // A held key presses once.
    if (!event->isAutoRepeat())
        press();
}

void ClickLabel::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    Q_EMIT GotFocus();
}

void ClickLabel::focusOutEvent(QFocusEvent* event)
{
    QLabel::focusOutEvent(event);
    Q_EMIT LostFocus();
}

void ClickLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Black and white together show on the skin's dark bars and on light panels alike.
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(frame);
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.drawRect(frame);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(frame.adjusted(1, 1, -1, -1));
}

void ClickLabel::connectNotify(const QMetaMethod& signal)
{
    QLabel::connectNotify(signal);
    // Only Tab gives the focus: a click keeps it where it was, in the address box say.
    if (isCommandSignal(signal) && focusPolicy() == Qt::NoFocus)
        setFocusPolicy(Qt::TabFocus);
}

} // namespace vireo
