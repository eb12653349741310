#include "player/EventLabel.h"

namespace vireo {

EventLabel::EventLabel(const QString& name, const QString& text, QWidget* parent)
    : ClickLabel(parent)
{
    setObjectName(name);
    setText(text);
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

} // namespace vireo
