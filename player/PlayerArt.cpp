#include "player/PlayerArt.h"

#include <QPainter>
#include <QPainterPath>

namespace vireo {

namespace {

void drawGlyph(QPainter& p, PlayerArt::Glyph glyph, const QRectF& r)
{
    using G = PlayerArt::Glyph;
    const QPointF c = r.center();
    const qreal h = r.height() / 2;
    auto triangle = [&](qreal x, qreal w, bool right) {
        QPainterPath path;
        if (right) {
            path.moveTo(x, c.y() - h);
            path.lineTo(x + w, c.y());
            path.lineTo(x, c.y() + h);
        } else {
            path.moveTo(x + w, c.y() - h);
            path.lineTo(x, c.y());
            path.lineTo(x + w, c.y() + h);
        }
        path.closeSubpath();
        p.drawPath(path);
    };
    switch (glyph) {
    case G::Play:
        triangle(c.x() - h * 0.8, h * 1.8, true);
        break;
    case G::Pause:
        p.drawRect(QRectF(c.x() - h * 0.8, c.y() - h, h * 0.55, 2 * h));
        p.drawRect(QRectF(c.x() + h * 0.25, c.y() - h, h * 0.55, 2 * h));
        break;
    case G::Stop:
        p.drawRect(QRectF(c.x() - h * 0.85, c.y() - h * 0.85, h * 1.7, h * 1.7));
        break;
    case G::Next:
        triangle(c.x() - h * 1.1, h, true);
        triangle(c.x() - h * 0.1, h, true);
        p.drawRect(QRectF(c.x() + h * 0.9, c.y() - h, h * 0.3, 2 * h));
        break;
    case G::Back:
        p.drawRect(QRectF(c.x() - h * 1.2, c.y() - h, h * 0.3, 2 * h));
        triangle(c.x() - h * 0.9, h, false);
        triangle(c.x() + h * 0.1, h, false);
        break;
    case G::RandomNext: {
        QPen pen(p.brush().color(), 1.6);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(c.x() - h * 1.2, c.y() - h * 0.6), QPointF(c.x() + h, c.y() + h * 0.6));
        p.drawLine(QPointF(c.x() - h * 1.2, c.y() + h * 0.6), QPointF(c.x() + h, c.y() - h * 0.6));
        p.drawLine(QPointF(c.x() + h, c.y() + h * 0.6), QPointF(c.x() + h * 0.5, c.y() + h * 0.6));
        p.drawLine(QPointF(c.x() + h, c.y() - h * 0.6), QPointF(c.x() + h * 0.5, c.y() - h * 0.6));
        break;
    }
    case G::Load: {
        // An underlined arrow pointing up: the "open" picture.
        QPainterPath head;
        head.moveTo(c.x(), c.y() - h);
        head.lineTo(c.x() + h * 0.8, c.y() - h * 0.1);
        head.lineTo(c.x() - h * 0.8, c.y() - h * 0.1);
        head.closeSubpath();
        p.drawPath(head);
        p.drawRect(QRectF(c.x() - h * 0.3, c.y() - h * 0.15, h * 0.6, h * 0.75));
        p.drawRect(QRectF(c.x() - h, c.y() + h * 0.75, 2 * h, h * 0.25));
        break;
    }
    case G::Minimise:
        p.drawRect(QRectF(c.x() - h * 0.7, c.y() + h * 0.3, h * 1.4, h * 0.3));
        break;
    case G::Close: {
        p.setPen(QPen(p.brush().color(), 1.8, Qt::SolidLine, Qt::RoundCap));
        const qreal d = h * 0.6;
        p.drawLine(QPointF(c.x() - d, c.y() - d), QPointF(c.x() + d, c.y() + d));
        p.drawLine(QPointF(c.x() - d, c.y() + d), QPointF(c.x() + d, c.y() - d));
        break;
    }
    case G::Playlist:
        for (int i = 0; i < 3; ++i)
            p.drawRect(QRectF(c.x() - h, c.y() - h * 0.8 + i * h * 0.7, 2 * h, h * 0.3));
        break;
    case G::Fold: {
        QPainterPath chevron;
        chevron.moveTo(c.x() - h * 0.8, c.y() + h * 0.4);
        chevron.lineTo(c.x(), c.y() - h * 0.4);
        chevron.lineTo(c.x() + h * 0.8, c.y() + h * 0.4);
        p.setPen(QPen(p.brush().color(), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(chevron);
        break;
    }
    }
}

} // namespace

QPixmap PlayerArt::button(Glyph glyph, QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(pixmap.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool small = glyph == Glyph::Minimise || glyph == Glyph::Close;
    if (!small) {
        QLinearGradient shade(face.topLeft(), face.bottomLeft());
        shade.setColorAt(0, QColor(0x2a, 0x36, 0x44));
        shade.setColorAt(1, QColor(0x10, 0x16, 0x1e));
        p.setPen(QPen(QColor(0x3c, 0x8c, 0x9c), 1));
        p.setBrush(shade);
        p.drawRoundedRect(face, 4, 4);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(cyan());
    const qreal inset = small ? size.height() * 0.22 : size.height() * 0.3;
    drawGlyph(p, glyph, face.adjusted(inset, inset, -inset, -inset));
    return pixmap;
}

} // namespace vireo
