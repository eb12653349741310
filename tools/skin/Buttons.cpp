// The round gel buttons of the navigation bar. Light comes from above and a little to the left:
// a gloss on the upper half, a glow of transmitted light at the bottom and a soft drop shadow.
// A pressed button sits one pixel further down and to the right, in a darker, sunken body.

#include "Canvas.h"
#include "Skin.h"

#include <QPainterPath>
#include <QPainterPathStroker>
#include <QtMath>

namespace skin {
namespace {

constexpr QSize kButtonSize(32, 32);
const QPointF kCentre(16.0, 16.0);
constexpr qreal kRimRadius = 14.2;
constexpr qreal kBodyRadius = 12.9;

// Icons carry a dark outline so they read against the gel.
const QColor kOutline(0x08, 0x24, 0x28);

using IconPainter = std::function<void(QPainter&)>;

QLinearGradient vertical(qreal top, qreal bottom, const QColor& a, const QColor& b)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

// Fills path with brush inside a dark outline of the given width.
void glyph(QPainter& p, const QPainterPath& path, const QBrush& brush, qreal outline = 1.0)
{
    p.strokePath(path, QPen(kOutline, 2 * outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, brush);
}

QPainterPath strokeOf(const QPainterPath& line, qreal width, Qt::PenCapStyle cap = Qt::RoundCap)
{
    QPainterPathStroker s;
    s.setWidth(width);
    s.setCapStyle(cap);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(line).simplified();
}

QPainterPath polygonPath(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

// ---- The icons, in the coordinates of the 32 x 32 button --------------------------------------

const QColor kMintTop(0xff, 0xff, 0xff);
const QColor kMintBottom(0xb4, 0xf2, 0xd2);

void arrowLeft(QPainter& p)
{
    const QPainterPath arrow = polygonPath({{7.3, 16.0},
                                            {15.2, 8.4},
                                            {15.2, 12.6},
                                            {24.6, 12.6},
                                            {24.6, 19.4},
                                            {15.2, 19.4},
                                            {15.2, 23.6}});
    glyph(p, arrow, vertical(8.4, 23.6, kMintTop, kMintBottom));
}

void arrowRight(QPainter& p)
{
    p.save();
    p.translate(32, 0);
    p.scale(-1, 1);
    arrowLeft(p);
    p.restore();
}

void stopSign(QPainter& p)
{
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(22.5 + 45.0 * i);
        octagon << kCentre + QPointF(9.6 * qCos(a), 9.6 * qSin(a));
    }
    QPainterPath sign;
    sign.addPolygon(octagon);
    sign.closeSubpath();
    glyph(p, sign, vertical(7, 25, QColor(0xff, 0x7a, 0x66), QColor(0xc4, 0x1c, 0x16)));

    QPolygonF inner;
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(22.5 + 45.0 * i);
        inner << kCentre + QPointF(8.0 * qCos(a), 8.0 * qSin(a));
    }
    p.setPen(QPen(QColor(255, 240, 236), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(inner);

    QPainterPath cross;
    cross.moveTo(12.4, 12.4);
    cross.lineTo(19.6, 19.6);
    cross.moveTo(19.6, 12.4);
    cross.lineTo(12.4, 19.6);
    p.fillPath(strokeOf(cross, 2.8), QColor(255, 255, 255));
}

void refreshArrow(QPainter& p)
{
    // Clockwise arc with a gap on the right, ending in an arrowhead at the upper right.
    const QPointF c(15.6, 16.4);
    constexpr qreal r = 6.6;
    constexpr qreal startDeg = -20.0;
    constexpr qreal sweepDeg = -285.0;
    QPainterPath arc;
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    arc.arcMoveTo(box, startDeg);
    arc.arcTo(box, startDeg, sweepDeg);

    const qreal end = qDegreesToRadians(startDeg + sweepDeg);
    const QPointF tip0 = c + QPointF(r * qCos(end), -r * qSin(end));
    const QPointF along(qSin(end), qCos(end)); // direction of travel, clockwise on screen
    const QPointF out(qCos(end), -qSin(end));  // away from the centre
    const QPointF head0 = tip0 - along * 0.6;
    QPainterPath head = polygonPath({head0 + out * 4.3, tip0 + along * 4.4, head0 - out * 4.3});

    QPainterPath shape = strokeOf(arc, 3.3, Qt::FlatCap).united(head);
    glyph(p, shape, vertical(8, 24, kMintTop, kMintBottom));
}

void house(QPainter& p)
{
    const QPainterPath roofSolid = polygonPath({{6.4, 16.6}, {16.0, 7.6}, {25.6, 16.6}});
    QPainterPath walls;
    walls.addRect(QRectF(9.2, 14.8, 13.6, 9.4));
    QPainterPath chimney;
    chimney.addRect(QRectF(19.6, 8.6, 2.7, 5.0));

    const QPainterPath outline = roofSolid.united(walls).united(chimney);
    p.strokePath(outline, QPen(kOutline, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(chimney, QColor(0xa8, 0x3a, 0x26));
    p.fillPath(walls, vertical(14.8, 24.2, QColor(0xff, 0xfd, 0xf2), QColor(0xe2, 0xdc, 0xc4)));
    p.fillPath(roofSolid, vertical(7.6, 16.6, QColor(0xff, 0x8e, 0x5e), QColor(0xcc, 0x40, 0x26)));

    // Door and window.
    QPainterPath door;
    door.addRoundedRect(QRectF(14.3, 18.2, 3.6, 6.0), 0.8, 0.8);
    p.fillPath(door, vertical(18.2, 24.2, QColor(0x3d, 0x86, 0x7e), QColor(0x1b, 0x4f, 0x4c)));
    p.fillRect(QRectF(10.9, 17.8, 2.4, 2.4), QColor(0x58, 0xb4, 0xe8));
    p.fillRect(QRectF(19.0, 17.8, 2.4, 2.4), QColor(0x58, 0xb4, 0xe8));
}

void globe(QPainter& p)
{
    constexpr qreal r = 8.7;
    QPainterPath sphere;
    sphere.addEllipse(kCentre, r, r);
    QRadialGradient sea(QPointF(13.5, 12.5), 12.0);
    sea.setColorAt(0.0, QColor(0x9a, 0xdc, 0xff));
    sea.setColorAt(0.55, QColor(0x3a, 0x8e, 0xe0));
    sea.setColorAt(1.0, QColor(0x17, 0x4a, 0xa6));
    glyph(p, sphere, sea);

    p.save();
    p.setClipPath(sphere);
    // Land: a continent on either side of the sea.
    QPainterPath land = polygonPath({{8.2, 10.6},
                                     {10.4, 9.2},
                                     {12.8, 8.8},
                                     {14.8, 10.2},
                                     {14.2, 12.4},
                                     {12.6, 13.6},
                                     {12.9, 15.2},
                                     {14.6, 16.6},
                                     {15.0, 18.4},
                                     {14.0, 20.8},
                                     {12.8, 23.2},
                                     {12.0, 20.8},
                                     {11.4, 18.2},
                                     {10.4, 16.4},
                                     {8.8, 14.4},
                                     {7.6, 12.6}});
    land.addPath(polygonPath({{18.2, 10.4},
                              {20.6, 9.4},
                              {22.8, 10.4},
                              {22.4, 12.2},
                              {20.6, 12.8},
                              {22.6, 13.8},
                              {24.4, 15.6},
                              {23.6, 18.2},
                              {22.2, 20.6},
                              {20.8, 21.8},
                              {20.0, 19.4},
                              {18.6, 17.0},
                              {17.8, 15.0},
                              {18.0, 12.8}}));
    p.strokePath(land,
                 QPen(QColor(0x4a, 0xb8, 0x52), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(land, vertical(8, 24, QColor(0x8c, 0xe6, 0x6c), QColor(0x2e, 0x9a, 0x3e)));

    // Lines of latitude and longitude.
    p.setPen(QPen(QColor(255, 255, 255, 120), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(kCentre, 4.3, r);
    p.drawLine(QPointF(16, 7), QPointF(16, 25));
    p.drawLine(QPointF(7, 16), QPointF(25, 16));
    p.drawEllipse(kCentre, r, 4.4);
    p.restore();

    // A shine on the upper left of the sphere.
    QRadialGradient shine(QPointF(12.5, 11.5), 4.5);
    shine.setColorAt(0, QColor(255, 255, 255, 150));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillPath(sphere, shine);
}

void notebook(QPainter& p)
{
    QPainterPath cover;
    cover.addRoundedRect(QRectF(9.2, 7.4, 12.6, 17.4), 1.6, 1.6);
    glyph(p, cover, vertical(7.4, 24.8, QColor(0xff, 0xd3, 0x5c), QColor(0xe0, 0x8c, 0x1c)));
    // Label on the cover.
    QPainterPath label;
    label.addRoundedRect(QRectF(12.6, 10.2, 7.2, 4.6), 0.7, 0.7);
    p.fillPath(label, QColor(0xff, 0xfb, 0xee));
    p.setPen(QPen(QColor(0x9a, 0x7a, 0x52), 0.6));
    p.drawLine(QPointF(13.6, 11.8), QPointF(18.8, 11.8));
    p.drawLine(QPointF(13.6, 13.3), QPointF(17.6, 13.3));
    // Spiral binding down the left edge.
    for (int i = 0; i < 5; ++i) {
        const qreal y = 9.6 + 3.3 * i;
        QPainterPath ring;
        ring.addRoundedRect(QRectF(7.6, y - 0.7, 3.6, 1.4), 0.7, 0.7);
        p.strokePath(ring, QPen(kOutline, 1.0));
        p.fillPath(ring, QColor(0xe8, 0xf0, 0xf0));
    }
    // A pen lying across the lower right corner.
    p.save();
    p.translate(22.0, 19.0);
    p.rotate(-50);
    QPainterPath body;
    body.addRoundedRect(QRectF(-7.0, -1.45, 11.0, 2.9), 0.8, 0.8);
    const QPainterPath nib = polygonPath({{-7.0, -1.45}, {-10.2, 0.0}, {-7.0, 1.45}});
    const QPainterPath pen = body.united(nib);
    p.strokePath(pen, QPen(kOutline, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(body, vertical(-1.45, 1.45, QColor(0x7a, 0xb6, 0xff), QColor(0x1f, 0x55, 0xc4)));
    p.fillPath(nib, QColor(0xf2, 0xe6, 0xcf));
    p.fillPath(polygonPath({{-9.0, -0.55}, {-10.2, 0.0}, {-9.0, 0.55}}), QColor(0x20, 0x20, 0x28));
    p.fillRect(QRectF(2.4, -1.45, 0.9, 2.9), QColor(0xd8, 0xe2, 0xee));
    p.restore();
}

void personCard(QPainter& p)
{
    QPainterPath card;
    card.addRoundedRect(QRectF(6.4, 9.4, 19.2, 13.6), 2.0, 2.0);
    glyph(p, card, vertical(9.4, 23.0, QColor(0xff, 0xff, 0xff), QColor(0xd6, 0xea, 0xe6)));

    // Portrait on the left.
    p.save();
    p.setClipPath(card);
    QPainterPath person;
    person.addEllipse(QPointF(11.6, 14.0), 2.5, 2.5);
    QPainterPath shoulders;
    shoulders.addEllipse(QRectF(7.4, 17.0, 8.4, 8.0));
    person = person.united(shoulders);
    p.fillPath(person, vertical(11.5, 23.0, QColor(0x3f, 0x9a, 0xd6), QColor(0x1d, 0x5c, 0x9a)));
    p.restore();

    // Lines of writing on the right.
    p.setPen(QPen(QColor(0x5a, 0x82, 0x88), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17.4, 13.2), QPointF(23.4, 13.2));
    p.drawLine(QPointF(17.4, 16.2), QPointF(23.4, 16.2));
    p.drawLine(QPointF(17.4, 19.2), QPointF(21.4, 19.2));
}

void graduationCap(QPainter& p)
{
    // Crown under the board.
    QPainterPath crown;
    crown.moveTo(10.2, 14.6);
    crown.lineTo(21.8, 14.6);
    crown.lineTo(21.8, 20.2);
    crown.cubicTo(19.5, 22.6, 12.5, 22.6, 10.2, 20.2);
    crown.closeSubpath();
    glyph(p, crown, vertical(14.6, 22.4, QColor(0x3e, 0x4e, 0x6c), QColor(0x1a, 0x22, 0x34)));

    const QPainterPath board = polygonPath({{5.2, 13.2}, {16.0, 8.2}, {26.8, 13.2}, {16.0, 18.2}});
    glyph(p, board, vertical(8.2, 18.2, QColor(0x5c, 0x70, 0x96), QColor(0x26, 0x30, 0x48)));
    // Light along the two front edges of the board.
    p.setPen(QPen(QColor(0xa8, 0xc4, 0xe8), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5.9, 13.2), QPointF(16.0, 8.9));
    p.drawLine(QPointF(16.0, 8.9), QPointF(26.1, 13.2));

    // Tassel.
    QPainterPath cord;
    cord.moveTo(16.0, 13.2);
    cord.lineTo(23.6, 14.6);
    cord.lineTo(23.6, 19.4);
    const QColor gold(0xff, 0xc8, 0x3a);
    p.strokePath(cord, QPen(kOutline, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(cord, QPen(gold, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPainterPath tuft = polygonPath({{23.6, 18.6}, {25.2, 23.0}, {22.0, 23.0}});
    glyph(p, tuft, gold, 0.9);
    QPainterPath button;
    button.addEllipse(QPointF(16.0, 13.2), 1.1, 0.8);
    p.fillPath(button, gold);
}

void musicNotes(QPainter& p)
{
    auto head = [](QPointF c) {
        QPainterPath h;
        h.addEllipse(QPointF(0, 0), 3.0, 2.2);
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(-22);
        return t.map(h);
    };
    QPainterPath notes = head({11.6, 21.6}).united(head({20.8, 19.6}));
    notes = notes.united(polygonPath({{13.4, 20.8}, {13.4, 10.0}, {15.0, 10.0}, {15.0, 21.2}}));
    notes = notes.united(polygonPath({{22.6, 18.8}, {22.6, 8.0}, {24.2, 8.0}, {24.2, 19.2}}));
    notes = notes.united(polygonPath({{13.4, 9.2}, {24.2, 6.8}, {24.2, 10.0}, {13.4, 12.4}}));
    glyph(p, notes.simplified(),
          vertical(6.8, 24.0, QColor(0xff, 0xf4, 0xb0), QColor(0xf0, 0xa8, 0x18)));
}

void magnifier(QPainter& p)
{
    const QPointF lens(13.9, 13.9);
    QPainterPath handle;
    handle.moveTo(18.6, 18.6);
    handle.lineTo(24.2, 24.2);
    const QPainterPath grip = strokeOf(handle, 3.8);
    glyph(p, grip, vertical(18, 26, QColor(0xe0, 0x96, 0x4c), QColor(0x8c, 0x4a, 0x1e)));

    QPainterPath glass;
    glass.addEllipse(lens, 5.2, 5.2);
    QRadialGradient tint(lens - QPointF(1.5, 1.5), 6.0);
    tint.setColorAt(0, QColor(0xe6, 0xf8, 0xff));
    tint.setColorAt(1, QColor(0x7c, 0xc6, 0xe8));
    QPainterPath ring;
    ring.addEllipse(lens, 7.2, 7.2);
    glyph(p, ring, vertical(6.7, 21.1, QColor(0xff, 0xff, 0xff), QColor(0xa4, 0xb4, 0xbc)));
    p.strokePath(glass, QPen(QColor(0x4a, 0x66, 0x70), 0.6));
    p.fillPath(glass, tint);
    // Glint on the glass.
    QPainterPath glint;
    glint.arcMoveTo(QRectF(lens.x() - 3.4, lens.y() - 3.4, 6.8, 6.8), 110);
    glint.arcTo(QRectF(lens.x() - 3.4, lens.y() - 3.4, 6.8, 6.8), 110, 60);
    p.strokePath(glint, QPen(QColor(255, 255, 255), 1.1, Qt::SolidLine, Qt::RoundCap));
}

void shieldStar(QPainter& p)
{
    QPainterPath shield;
    shield.moveTo(16.0, 6.8);
    shield.cubicTo(19.0, 8.4, 22.0, 9.0, 24.6, 9.0);
    shield.cubicTo(24.8, 16.5, 22.0, 22.0, 16.0, 25.4);
    shield.cubicTo(10.0, 22.0, 7.2, 16.5, 7.4, 9.0);
    shield.cubicTo(10.0, 9.0, 13.0, 8.4, 16.0, 6.8);
    shield.closeSubpath();
    glyph(p, shield, vertical(6.8, 25.4, QColor(0x7a, 0xa8, 0xff), QColor(0x23, 0x4c, 0xb8)));

    // Gold edge inside the outline.
    QTransform inset;
    inset.translate(16.0, 15.6);
    inset.scale(0.82, 0.84);
    inset.translate(-16.0, -15.6);
    p.strokePath(inset.map(shield), QPen(QColor(0xff, 0xd8, 0x5a), 0.9));

    QPolygonF star;
    const QPointF c(16.0, 15.8);
    for (int i = 0; i < 10; ++i) {
        const qreal a = qDegreesToRadians(-90.0 + 36.0 * i);
        const qreal rr = (i % 2 == 0) ? 5.4 : 2.2;
        star << c + QPointF(rr * qCos(a), rr * qSin(a));
    }
    QPainterPath starPath;
    starPath.addPolygon(star);
    starPath.closeSubpath();
    p.strokePath(starPath,
                 QPen(QColor(0x6a, 0x44, 0x08), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(starPath, vertical(10.4, 20.0, QColor(0xff, 0xf6, 0xb8), QColor(0xf4, 0xb0, 0x1e)));
}

// ---- The button body ---------------------------------------------------------------------------

QPainterPath circle(QPointF c, qreal r)
{
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

// Paints one button, icon included, on a transparent layer.
QImage buttonLayer(const IconPainter& icon, bool pressed)
{
    const QPointF c = kCentre + (pressed ? QPointF(1, 1) : QPointF(0, 0));
    const QPainterPath rim = circle(c, kRimRadius);
    const QPainterPath body = circle(c, kBodyRadius);

    QImage layer = paintLayer(kButtonSize, [&](QPainter& p) {
        // Drop shadow; a pressed button sits down on the bar and casts almost none.
        QRadialGradient shadow(c + QPointF(0.3, pressed ? 0.3 : 1.1), kRimRadius + 1.6);
        shadow.setColorAt(0.80, QColor(0, 0, 0, pressed ? 70 : 150));
        shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.fillRect(QRectF(0, 0, 32, 32), shadow);

        // Metal rim, lit from above.
        QLinearGradient rimLight(c.x() - 6, c.y() - kRimRadius, c.x() + 6, c.y() + kRimRadius);
        rimLight.setColorAt(0, pressed ? QColor(0x5c, 0x9c, 0x94) : QColor(0xc8, 0xf2, 0xe8));
        rimLight.setColorAt(0.5, QColor(0x2e, 0x6a, 0x66));
        rimLight.setColorAt(1, pressed ? QColor(0x6a, 0xa8, 0x9e) : QColor(0x0c, 0x2a, 0x2e));
        p.fillPath(rim, rimLight);
        p.strokePath(rim, QPen(QColor(0x04, 0x14, 0x18), 0.6));

        // Gel body: deeper at the top, glowing where the light comes through at the bottom.
        QRadialGradient gel(c + QPointF(0, 9.0), 20.0, c + QPointF(0, 10.0));
        if (pressed) {
            gel.setColorAt(0.0, QColor(0x4c, 0xa6, 0x98));
            gel.setColorAt(0.5, QColor(0x1e, 0x5c, 0x5a));
            gel.setColorAt(1.0, QColor(0x0c, 0x2c, 0x30));
        } else {
            gel.setColorAt(0.0, QColor(0x8c, 0xf0, 0xd6));
            gel.setColorAt(0.45, QColor(0x3a, 0x9a, 0x90));
            gel.setColorAt(1.0, QColor(0x12, 0x48, 0x4c));
        }
        p.fillPath(body, gel);

        if (pressed) {
            // Inner shadow along the upper left: the body is pushed into the bar.
            QRadialGradient inner(c + QPointF(1.8, 2.2), kBodyRadius + 1.2);
            inner.setColorAt(0.70, QColor(0, 0, 0, 0));
            inner.setColorAt(1.0, QColor(0, 0, 0, 190));
            p.fillPath(body, inner);
        }
    });

    // The icon, with its own small shadow.
    QImage iconLayer = paintLayer(kButtonSize, [&](QPainter& p) {
        p.translate(c - kCentre);
        icon(p);
    });
    if (pressed)
        shade(iconLayer, 0.78);
    {
        const QImage drop = silhouette(iconLayer, QColor(0, 0, 0, pressed ? 60 : 110));
        QPainter p(&layer);
        p.drawImage(QPointF(0.6 * kScale, 0.9 * kScale), drop);
        p.drawImage(0, 0, iconLayer);
    }

    // Gloss over the top half, icon included; it is what makes the body look like gel.
    {
        QPainter p;
        beginLogical(p, layer);
        QPainterPath gloss;
        gloss.addEllipse(QRectF(c.x() - 10.2, c.y() - 12.3, 20.4, 12.6));
        gloss = gloss.intersected(body);
        p.fillPath(gloss,
                   vertical(c.y() - 12.3, c.y() + 0.3, QColor(255, 255, 255, pressed ? 90 : 165),
                            QColor(255, 255, 255, pressed ? 4 : 14)));
        // Thin bright lip along the bottom of the body, where the light leaves the gel.
        QPainterPath lip;
        lip.arcMoveTo(QRectF(c.x() - 11.6, c.y() - 11.6, 23.2, 23.2), 215);
        lip.arcTo(QRectF(c.x() - 11.6, c.y() - 11.6, 23.2, 23.2), 215, 110);
        p.strokePath(
            lip, QPen(QColor(220, 255, 245, pressed ? 40 : 90), 0.9, Qt::SolidLine, Qt::RoundCap));
        p.end();
    }
    return layer;
}

QImage onBar(const QImage& layer)
{
    QImage out = solidLayer(kButtonSize, kBarBackground);
    composite(out, layer);
    return reduce(out);
}

QImage notAllowed(const QImage& face)
{
    QImage layer = face;
    greyOut(layer, 0.15);
    QImage out = solidLayer(kButtonSize, kBarBackground);
    composite(out, layer);
    QPainter p;
    beginLogical(p, out);
    // A red ring with a bar from upper left to lower right.
    QPainterPath sign = circle(kCentre, 13.6).subtracted(circle(kCentre, 11.2));
    QPainterPath bar;
    bar.moveTo(kCentre + QPointF(-8.6, -8.6));
    bar.lineTo(kCentre + QPointF(8.6, 8.6));
    sign = sign.united(strokeOf(bar, 2.6, Qt::FlatCap));
    p.strokePath(
        sign, QPen(QColor(0x2a, 0x04, 0x04, 220), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(sign, vertical(2, 30, QColor(0xff, 0x5a, 0x4a), QColor(0xc0, 0x16, 0x10)));
    p.end();
    return reduce(out);
}

} // namespace

std::vector<Bitmap> buttonFaces()
{
    const std::vector<std::pair<const char*, IconPainter>> icons{
        {"back", arrowLeft},       {"foward", arrowRight},    {"stop", stopSign},
        {"refresh", refreshArrow}, {"home", house},           {"webbrowser", globe},
        {"journal", notebook},     {"phonebook", personCard}, {"homeworkhelp", graduationCap},
        {"mp3", musicNotes},       {"search", magnifier},     {"teenrights", shieldStar},
    };
    std::vector<Bitmap> out;
    for (const auto& [name, icon] : icons) {
        const QString base = QString::fromLatin1(name);
        const QImage normal = buttonLayer(icon, false);
        out.push_back({base, onBar(normal)});
        out.push_back({base + QStringLiteral("_down"), onBar(buttonLayer(icon, true))});
        if (base == QStringLiteral("mp3"))
            out.push_back({QStringLiteral("mp3_no"), notAllowed(normal)});
    }
    return out;
}

} // namespace skin
