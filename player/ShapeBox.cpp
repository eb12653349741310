#include "player/ShapeBox.h"

#include "player/PlayerArt.h"

#include <QPainter>

namespace vireo {

ShapeBox::ShapeBox(const QString& name, QWidget* parent)
    : QWidget(parent), color_(PlayerArt::cyan())
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeBox::setColor(const QColor& color)
{
    color_ = color;
    update();
}

void ShapeBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QColor fill = color_;
    fill.setAlpha(40);
    p.setPen(QPen(color_, 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}

} // namespace vireo
