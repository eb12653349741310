#include "platform/TwipsGeometry.h"

#include <QWidget>

namespace vireo::twips {

TwipRect rectOf(const QWidget* widget)
{
    const QRect r = widget->geometry();
    return {fromPixels(r.x()), fromPixels(r.y()), fromPixels(r.width()), fromPixels(r.height())};
}

void place(QWidget* widget, const TwipRect& rect)
{
    place(widget, rect.left, rect.top, rect.width, rect.height);
}

void place(QWidget* widget, double left, double top, double width, double height)
{
    widget->setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace vireo::twips
