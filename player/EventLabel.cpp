#include "player/EventLabel.h"

#include <QMouseEvent>
#include <utility>

namespace vireo {

EventLabel::EventLabel(const QString& name, const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setObjectName(name);
}

void EventLabel::setTextColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

QColor EventLabel::textColor() const
{
    return palette().color(QPalette::WindowText);
}

void EventLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QLabel::mousePressEvent(event);
    pressed_ = true;
    Q_EMIT MouseDown();
}

void EventLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_)
        return QLabel::mouseReleaseEvent(event);
    pressed_ = false;
    const bool secondClick = std::exchange(doubleClicked_, false);
    Q_EMIT MouseUp();
    if (!secondClick && rect().contains(event->position().toPoint()))
        Q_EMIT Click();
}

void EventLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QLabel::mouseDoubleClickEvent(event);
    // The second click of a double-click is a double-click, not another click: a command on
    // Click runs once.
    pressed_ = true;
    doubleClicked_ = true;
    Q_EMIT DblClick();
}

} // namespace vireo
