// The frame is painted as one whole window and then cut into its pieces, so that every corner
// meets its edges exactly. The straight runs are flat along their length, which is what lets the
// program stretch the edge pieces to any size.

#include "Canvas.h"
#include "Skin.h"

#include <QPainterPath>

#include <algorithm>
#include <array>

namespace skin {
namespace {

// Bands of the metal rim, from the outside of the window inward.
const std::array<QColor, 6> kBand{
    QColor(0x06, 0x15, 0x1a), // outer edge
    QColor(0xa9, 0xe4, 0xd7), // highlight
    QColor(0x72, 0xbd, 0xb0), //
    QColor(0x4c, 0x98, 0x8e), //
    QColor(0x30, 0x70, 0x6b), //
    QColor(0x0f, 0x2c, 0x32), // inner edge
};
// Band thickness on each side. The top rim is one pixel thinner than the sides. The bottom rim
// is the top edge of the status strip (the program lays the bottom pieces at the top of the
// strip, over the status text's line), so it is only a highlight and an outer edge, and under
// it the strip's own colour goes on for kTail rows: the status text stays clear of the line.
constexpr std::array<int, 6> kLeft{1, 1, 1, 1, 1, 1};
constexpr std::array<int, 6> kRight{1, 1, 1, 1, 1, 1};
constexpr std::array<int, 6> kTop{1, 1, 1, 0, 1, 1};
constexpr std::array<int, 6> kBottom{1, 1, 0, 0, 0, 0};
constexpr int kTail = 4;

// The bar under the navigation buttons, top row to bottom row.
const std::array<QColor, 10> kMidBar{
    QColor(0x0f, 0x2c, 0x32), QColor(0xa9, 0xe4, 0xd7), QColor(0x8a, 0xd2, 0xc4),
    QColor(0x72, 0xbd, 0xb0), QColor(0x60, 0xac, 0xa0), QColor(0x51, 0x9b, 0x91),
    QColor(0x44, 0x8b, 0x82), QColor(0x34, 0x76, 0x70), QColor(0x1f, 0x52, 0x52),
    QColor(0x06, 0x15, 0x1a),
};

// A dark line that sets the page and the status strip into the frame.
const QColor kInset(0x0a, 0x1c, 0x21);
// What shows outside the rounded corners of the window.
const QColor kOutside(0x04, 0x0e, 0x11);
// Stand-in for the page while painting; no piece contains it.
const QColor kPage(0xf4, 0xf6, 0xf2);

constexpr qreal kTopRadius = 9.0;
constexpr qreal kBottomRadius = 5.0;

struct Layout {
    int width;
    int height;      // to the outer edge of the bottom rim; the strip's colour goes on below it
    int navHeight;   // rim top to the bottom of the bar under the buttons
    int stripHeight; // status strip between the page and the bottom rim
};

struct Radii {
    QSizeF topLeft, topRight, bottomRight, bottomLeft;
};

QSizeF shrink(qreal radius, qreal dx, qreal dy)
{
    return {std::max(radius - dx, 0.0), std::max(radius - dy, 0.0)};
}

QPainterPath roundedRect(const QRectF& r, const Radii& c)
{
    QPainterPath path;
    path.moveTo(r.left() + c.topLeft.width(), r.top());
    path.lineTo(r.right() - c.topRight.width(), r.top());
    path.arcTo(QRectF(r.right() - 2 * c.topRight.width(), r.top(), 2 * c.topRight.width(),
                      2 * c.topRight.height()),
               90, -90);
    path.lineTo(r.right(), r.bottom() - c.bottomRight.height());
    path.arcTo(QRectF(r.right() - 2 * c.bottomRight.width(),
                      r.bottom() - 2 * c.bottomRight.height(), 2 * c.bottomRight.width(),
                      2 * c.bottomRight.height()),
               0, -90);
    path.lineTo(r.left() + c.bottomLeft.width(), r.bottom());
    path.arcTo(QRectF(r.left(), r.bottom() - 2 * c.bottomLeft.height(), 2 * c.bottomLeft.width(),
                      2 * c.bottomLeft.height()),
               270, -90);
    path.lineTo(r.left(), r.top() + c.topLeft.height());
    path.arcTo(QRectF(r.left(), r.top(), 2 * c.topLeft.width(), 2 * c.topLeft.height()), 180, -90);
    path.closeSubpath();
    return path;
}

QPainterPath bandPath(const Layout& lay, int l, int t, int r, int b)
{
    const QRectF rect(l, t, lay.width - l - r, lay.height - t - b);
    return roundedRect(rect, {shrink(kTopRadius, l, t), shrink(kTopRadius, r, t),
                              shrink(kBottomRadius, r, b), shrink(kBottomRadius, l, b)});
}

void paintWindow(QPainter& p, const Layout& lay)
{
    p.fillRect(QRectF(0, 0, lay.width, lay.height), kOutside);
    // Outside the bottom corners is the status strip, not the desktop.
    p.fillRect(QRectF(0, lay.height - 2 * kBottomRadius, lay.width, 2 * kBottomRadius + kTail),
               kBarBackground);

    // The rim: each band is a rounded rectangle laid inside the one before.
    int l = 0, t = 0, r = 0, b = 0;
    QPainterPath highlight;
    for (std::size_t i = 0; i < kBand.size(); ++i) {
        const QPainterPath band = bandPath(lay, l, t, r, b);
        p.fillPath(band, kBand[i]);
        if (i == 1)
            highlight = band;
        l += kLeft[i];
        t += kTop[i];
        r += kRight[i];
        b += kBottom[i];
        if (i == 1)
            highlight = highlight.subtracted(bandPath(lay, l, t, r, b));
    }

    // A glint where the light catches the two top corners; it stays inside the curves so the
    // straight runs next to them are untouched.
    p.save();
    p.setClipPath(highlight);
    for (const auto& [centre, strength] :
         {std::pair{QPointF(3.2, 3.2), 1.0}, std::pair{QPointF(lay.width - 3.2, 3.2), 0.55}}) {
        QRadialGradient glint(centre, 4.5);
        glint.setColorAt(0.0, QColor(255, 255, 255, qRound(235 * strength)));
        glint.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.fillRect(QRectF(centre.x() - 5, centre.y() - 5, 10, 10), glint);
    }
    p.restore();

    const int innerW = lay.width - l - r;
    const int barTop = lay.navHeight - static_cast<int>(kMidBar.size());

    // The navigation bar's own background, rounded into the rim at all four corners.
    const QRectF nav(l, t, innerW, barTop - t);
    p.fillPath(roundedRect(nav, {shrink(kTopRadius, l, t), shrink(kTopRadius, r, t),
                                 QSizeF(2.5, 2.5), QSizeF(2.5, 2.5)}),
               kBarBackground);

    // The bar under the buttons runs between the inner edges of the side rims.
    for (std::size_t i = 1; i < kMidBar.size(); ++i)
        p.fillRect(QRectF(l, barTop + static_cast<int>(i), innerW, 1), kMidBar[i]);

    // Below it: the page, then the status strip, both set in by a dark line on the left and
    // along the bottom.
    const int bottomRim = lay.height - b;
    p.fillRect(QRectF(l, lay.navHeight, 1, bottomRim - lay.navHeight), kInset);
    p.fillRect(QRectF(l, bottomRim - 1, innerW, 1), kInset);
    const int stripTop = bottomRim - 1 - lay.stripHeight;
    p.fillRect(QRectF(l + 1, lay.navHeight, innerW - 1, stripTop - lay.navHeight), kPage);
    p.fillRect(QRectF(l + 1, stripTop, innerW - 1, lay.stripHeight), kBarBackground);
}

} // namespace

std::vector<Bitmap> framePieces()
{
    const Layout lay{520, 400, 150, 0};
    const QImage window = reduce(
        paintLayer({lay.width, lay.height + kTail}, [&](QPainter& p) { paintWindow(p, lay); }));
    const int w = lay.width;
    const int h = lay.height + kTail;
    const int nav = lay.navHeight;
    using S = Bitmap::Stretch;
    auto cut = [&](const char* name, int x, int y, int cw, int ch, S stretch = S::None) {
        return Bitmap{QString::fromLatin1(name), window.copy(x, y, cw, ch), stretch};
    };
    return {
        cut("topleft", 0, 0, 17, 18),
        cut("topright", w - 17, 0, 17, 18),
        cut("topbar", 200, 0, 23, 5, S::Horizontal),
        cut("sidebar", 0, 40, 6, 43, S::Vertical),
        cut("rightbar", w - 6, 40, 6, 43, S::Vertical),
        cut("midleft", 0, nav - 20, 15, 20),
        cut("midright", w - 15, nav - 20, 15, 20),
        cut("midbar", 50, nav - 10, 420, 10, S::Horizontal),
        cut("leftbar", 0, nav + 10, 7, 192, S::Vertical),
        cut("leftbot", 0, h - 6, 8, 6),
        cut("rightbot", w - 8, h - 6, 8, 6),
        cut("botbar", 200, h - 7, 21, 7, S::Horizontal),
    };
}

} // namespace skin
