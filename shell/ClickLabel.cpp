#include "shell/ClickLabel.h"

#include <QMouseEvent>
#include <utility>

namespace vireo {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {}

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

} // namespace vireo
