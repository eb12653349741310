#include "phonebook/PimArt.h"

#include <QPainter>
#include <QPainterPath>

namespace vireo {

namespace {

const QColor ink(0x25, 0x3a, 0x52);
const QColor paper(0xfb, 0xfb, 0xf6);
const QColor accent(0x2f, 0x8f, 0x5b);
const QColor warm(0xc0, 0x4b, 0x3a);

// Every glyph is drawn on a 24-unit square and scaled to the size asked for.
void drawNew(QPainter& p)
{
    QPainterPath page;
    page.moveTo(5, 2);
    page.lineTo(14, 2);
    page.lineTo(19, 7);
    page.lineTo(19, 22);
    page.lineTo(5, 22);
    page.closeSubpath();
    p.setBrush(paper);
    p.drawPath(page);
    p.drawLine(QPointF(14, 2), QPointF(14, 7));
    p.drawLine(QPointF(14, 7), QPointF(19, 7));
    p.setPen(QPen(accent, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 11), QPointF(12, 19));
    p.drawLine(QPointF(8, 15), QPointF(16, 15));
}

void drawSave(QPainter& p)
{
    p.setBrush(QColor(0x3d, 0x6f, 0xb0));
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
    p.setBrush(paper);
    p.drawRect(QRectF(7, 3, 10, 7));
    p.setBrush(ink);
    p.drawRect(QRectF(13, 4.5, 2.5, 4));
    p.setBrush(paper);
    p.drawRect(QRectF(6, 13, 12, 8));
}

void drawTrash(QPainter& p)
{
    p.setBrush(QColor(0x9a, 0xa8, 0xb5));
    QPainterPath can;
    can.moveTo(6, 7);
    can.lineTo(18, 7);
    can.lineTo(16.5, 22);
    can.lineTo(7.5, 22);
    can.closeSubpath();
    p.drawPath(can);
    p.drawRoundedRect(QRectF(4, 4.5, 16, 2.5), 1, 1);
    p.drawRect(QRectF(10, 2.5, 4, 2));
    p.drawLine(QPointF(10, 10), QPointF(10.5, 19));
    p.drawLine(QPointF(14, 10), QPointF(13.5, 19));
}

void drawArrow(QPainter& p, bool left)
{
    QPainterPath arrow;
    arrow.moveTo(3, 12);
    arrow.lineTo(12, 3.5);
    arrow.lineTo(12, 8.5);
    arrow.lineTo(21, 8.5);
    arrow.lineTo(21, 15.5);
    arrow.lineTo(12, 15.5);
    arrow.lineTo(12, 20.5);
    arrow.closeSubpath();
    if (!left) {
        p.translate(24, 0);
        p.scale(-1, 1);
    }
    p.setBrush(accent);
    p.drawPath(arrow);
}

void drawPrint(QPainter& p)
{
    p.setBrush(paper);
    p.drawRect(QRectF(7, 2.5, 10, 7));
    p.setBrush(QColor(0x7b, 0x8a, 0x99));
    p.drawRoundedRect(QRectF(2.5, 9, 19, 9), 2, 2);
    p.setBrush(paper);
    p.drawRect(QRectF(7, 14, 10, 8));
    p.drawLine(QPointF(9, 17), QPointF(15, 17));
    p.drawLine(QPointF(9, 19.5), QPointF(15, 19.5));
    p.setBrush(accent);
    p.drawEllipse(QPointF(18.5, 11.8), 1, 1);
}

void drawHelp(QPainter& p)
{
    p.setBrush(QColor(0x3d, 0x6f, 0xb0));
    p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
    p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath hook;
    hook.moveTo(8.8, 9.3);
    hook.cubicTo(8.8, 5.2, 15.2, 5.2, 15.2, 9.3);
    hook.cubicTo(15.2, 12, 12, 12, 12, 14.5);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, 17.8), 1.5, 1.5);
}

} // namespace

QPixmap PimArt::glyph(Glyph glyph, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 24.0, size / 24.0);
    p.setPen(QPen(ink, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (glyph) {
    case Glyph::New:
        drawNew(p);
        break;
    case Glyph::Save:
        drawSave(p);
        break;
    case Glyph::Trash:
        drawTrash(p);
        break;
    case Glyph::Previous:
        drawArrow(p, true);
        break;
    case Glyph::Next:
        drawArrow(p, false);
        break;
    case Glyph::Print:
        drawPrint(p);
        break;
    case Glyph::Help:
        drawHelp(p);
        break;
    }
    return pixmap;
}

QIcon PimArt::icon(Glyph g)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addPixmap(glyph(g, size));
    return icon;
}

QPixmap PimArt::defaultPicture()
{
    const QSize size = pictureSize();
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0xdc, 0xe9, 0xf2));
    sky.setColorAt(1, QColor(0xb7, 0xcc, 0xdc));
    p.fillRect(pixmap.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7d, 0x93, 0xa8));
    const double w = size.width();
    const double h = size.height();
    p.drawEllipse(QPointF(w / 2, h * 0.36), w * 0.2, w * 0.23);
    QPainterPath shoulders;
    shoulders.moveTo(w * 0.1, h);
    shoulders.cubicTo(w * 0.1, h * 0.62, w * 0.9, h * 0.62, w * 0.9, h);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
    p.setPen(QPen(QColor(0x5c, 0x72, 0x88), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    return pixmap;
}

} // namespace vireo
