// The busy animation: a little vireo perched on a twig inside a ring, with a spark running
// clockwise round the ring. The last frame is the one shown while nothing is loading.

#include "Canvas.h"
#include "Skin.h"

#include <QPainterPath>
#include <QtMath>

namespace skin {
namespace {

constexpr QSize kBumperSize(37, 38);
const QPointF kRingCentre(18.5, 19.0);
constexpr qreal kRingRadius = 15.4;
const QColor kOutline(0x0a, 0x1e, 0x20);

QLinearGradient vertical(qreal top, qreal bottom, const QColor& a, const QColor& b)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

// The bird, facing right, in its own coordinates with the body near the origin.
void bird(QPainter& p)
{
    // Twig and feet first, so the body sits on them.
    QPainterPath twig;
    twig.moveTo(-10.5, 8.6);
    twig.cubicTo(-4.0, 7.4, 3.0, 7.8, 10.5, 6.6);
    p.strokePath(twig, QPen(kOutline, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(twig, QPen(QColor(0x9a, 0x6a, 0x3c), 1.3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath leaf;
    leaf.moveTo(7.0, 7.2);
    leaf.cubicTo(8.0, 9.6, 10.6, 10.4, 12.2, 9.8);
    leaf.cubicTo(11.4, 8.0, 9.4, 6.8, 7.0, 7.2);
    p.strokePath(leaf, QPen(kOutline, 1.0));
    p.fillPath(leaf, QColor(0x6c, 0xc0, 0x4a));
    p.setPen(QPen(QColor(0x3a, 0x30, 0x2a), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-1.6, 5.4), QPointF(-2.2, 8.0));
    p.drawLine(QPointF(1.0, 5.2), QPointF(0.8, 7.8));

    // Silhouette: tail, body and head.
    QPainterPath tail;
    tail.moveTo(-4.8, 1.4);
    tail.lineTo(-11.6, 6.2);
    tail.lineTo(-10.4, 7.6);
    tail.lineTo(-3.2, 4.6);
    tail.closeSubpath();
    QPainterPath body;
    {
        QPainterPath e;
        e.addEllipse(QPointF(0, 0), 6.9, 5.1);
        QTransform t;
        t.translate(-0.4, 1.4);
        t.rotate(-22);
        body = t.map(e);
    }
    QPainterPath head;
    head.addEllipse(QPointF(5.0, -4.0), 4.1, 4.0);
    const QPainterPath beak = [] {
        QPainterPath b;
        b.moveTo(8.4, -5.0);
        b.lineTo(11.8, -3.7);
        b.lineTo(8.5, -2.5);
        b.closeSubpath();
        return b;
    }();
    const QPainterPath whole = tail.united(body).united(head).united(beak);
    p.strokePath(whole, QPen(kOutline, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    p.fillPath(beak, QColor(0x6e, 0x70, 0x6a));
    p.fillPath(tail, vertical(1.0, 7.6, QColor(0x7a, 0x96, 0x3a), QColor(0x4e, 0x66, 0x24)));
    const QPainterPath bird = body.united(head);
    p.fillPath(bird, vertical(-8.0, 6.5, QColor(0xb4, 0xcc, 0x6a), QColor(0x78, 0x98, 0x36)));

    // Pale belly with a wash of yellow on the flank.
    p.save();
    p.setClipPath(bird);
    QPainterPath belly;
    belly.addEllipse(QPointF(2.6, 4.4), 6.0, 4.4);
    QRadialGradient wash(QPointF(3.6, 2.0), 6.5);
    wash.setColorAt(0, QColor(0xff, 0xfc, 0xea));
    wash.setColorAt(1, QColor(0xf0, 0xe0, 0x70));
    p.fillPath(belly, wash);
    // Grey cap over the head.
    QPainterPath cap;
    cap.addEllipse(QPointF(4.6, -6.4), 4.6, 2.8);
    p.fillPath(cap, QColor(0x9c, 0xa8, 0x90));
    p.restore();

    // Wing folded along the back.
    QPainterPath wing;
    wing.moveTo(-5.6, 0.2);
    wing.cubicTo(-3.0, -2.8, 2.0, -2.6, 3.4, 0.0);
    wing.cubicTo(3.2, 2.8, -1.0, 4.0, -6.4, 2.8);
    wing.closeSubpath();
    p.strokePath(wing, QPen(QColor(0x3c, 0x52, 0x1c), 0.7));
    p.fillPath(wing, vertical(-2.4, 3.6, QColor(0x6e, 0x8c, 0x30), QColor(0x50, 0x6c, 0x22)));
    p.setPen(QPen(QColor(0xd6, 0xe8, 0xa0), 0.55, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-3.8, 0.8), QPointF(1.6, 0.2));
    p.drawLine(QPointF(-4.4, 2.2), QPointF(0.6, 2.0));

    // Pale brow above a dark eye with a catch light.
    QPainterPath brow;
    brow.moveTo(2.4, -5.6);
    brow.quadTo(5.4, -7.2, 8.2, -5.4);
    p.strokePath(brow, QPen(QColor(0xfa, 0xfa, 0xee), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x12, 0x14, 0x18));
    p.drawEllipse(QPointF(5.8, -4.0), 1.05, 1.05);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(6.15, -4.35), 0.35, 0.35);
}

QImage frame(int index)
{
    // Frames 0..3 put the spark at the lower right, lower left, upper left and upper right.
    const qreal angle = -45.0 - 90.0 * index; // degrees, counter-clockwise from three o'clock
    const qreal rad = qDegreesToRadians(angle);
    const QPointF spark = kRingCentre + QPointF(kRingRadius * qCos(rad), -kRingRadius * qSin(rad));

    QImage layer = solidLayer(kBumperSize, kBarBackground);
    QPainter p;
    beginLogical(p, layer);
    const QRectF ringBox(kRingCentre.x() - kRingRadius, kRingCentre.y() - kRingRadius,
                         2 * kRingRadius, 2 * kRingRadius);

    // The track: a soft groove with a lighter lower lip.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x10, 0x26, 0x2c), 2.2));
    p.drawEllipse(ringBox);
    p.setPen(QPen(QColor(0x3a, 0x72, 0x74), 0.8));
    p.drawEllipse(ringBox.adjusted(0.3, 0.5, -0.3, 0.5));

    // The trail behind the spark, fading away counter-clockwise.
    QConicalGradient trail(kRingCentre, angle);
    trail.setColorAt(0.0, QColor(0xb8, 0xff, 0xe6, 230));
    trail.setColorAt(0.24, QColor(0x5c, 0xd8, 0xb8, 0));
    trail.setColorAt(1.0, QColor(0x5c, 0xd8, 0xb8, 0));
    QPainterPath arc;
    arc.arcMoveTo(ringBox, angle);
    arc.arcTo(ringBox, angle, 86.0);
    p.strokePath(arc, QPen(QBrush(trail), 2.2, Qt::SolidLine, Qt::RoundCap));

    // The spark.
    QRadialGradient halo(spark, 4.4);
    halo.setColorAt(0.0, QColor(0xd8, 0xff, 0xf0, 210));
    halo.setColorAt(0.45, QColor(0x7c, 0xf0, 0xcc, 110));
    halo.setColorAt(1.0, QColor(0x7c, 0xf0, 0xcc, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(spark, 4.4, 4.4);
    QRadialGradient core(spark - QPointF(0.5, 0.5), 2.0);
    core.setColorAt(0.0, QColor(255, 255, 255));
    core.setColorAt(1.0, QColor(0x9c, 0xf4, 0xd8));
    p.setBrush(core);
    p.drawEllipse(spark, 1.7, 1.7);

    p.translate(18.0, 19.6);
    bird(p);
    p.end();
    return reduce(layer);
}

} // namespace

std::vector<Bitmap> bumperFrames()
{
    std::vector<Bitmap> out;
    for (int i = 0; i < 4; ++i)
        out.push_back({QStringLiteral("bumper%1").arg(i), frame(i)});
    return out;
}

} // namespace skin
