#include "journal/JournalArt.h"

#include <QPainter>
#include <QPainterPath>

namespace vireo {

namespace {

// Each picture is drawn on a 24 x 24 grid and scaled to the size asked for.
void draw(QPainter& p, JournalArt::Picture picture)
{
    using P = JournalArt::Picture;
    const QColor ink = JournalArt::ink();
    const QColor accent = JournalArt::accent();
    const QPen line(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QBrush paper(Qt::white);
    p.setPen(line);
    p.setBrush(paper);
    auto page = [&](qreal x, qreal y, qreal w, qreal h) { p.drawRect(QRectF(x, y, w, h)); };
    switch (picture) {
    case P::Save: // a floppy disk
        p.setBrush(ink);
        p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
        p.setBrush(paper);
        page(7, 3.8, 10, 6);
        p.setBrush(accent);
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(7, 14, 10, 6));
        break;
    case P::Clear: { // a waste bin
        p.drawLine(QPointF(4, 6), QPointF(20, 6));
        p.drawLine(QPointF(10, 6), QPointF(10, 3.5));
        p.drawLine(QPointF(10, 3.5), QPointF(14, 3.5));
        p.drawLine(QPointF(14, 3.5), QPointF(14, 6));
        QPainterPath bin;
        bin.moveTo(6, 6);
        bin.lineTo(7.5, 21);
        bin.lineTo(16.5, 21);
        bin.lineTo(18, 6);
        p.drawPath(bin);
        p.drawLine(QPointF(10, 10), QPointF(10.5, 18));
        p.drawLine(QPointF(14, 10), QPointF(13.5, 18));
        break;
    }
    case P::Open: // an open book
        p.drawLine(QPointF(12, 6), QPointF(12, 20));
        p.drawPolygon(QPolygonF({QPointF(12, 6), QPointF(3, 4), QPointF(3, 18), QPointF(12, 20)}));
        p.drawPolygon(
            QPolygonF({QPointF(12, 6), QPointF(21, 4), QPointF(21, 18), QPointF(12, 20)}));
        p.setPen(QPen(accent, 1.2));
        for (qreal y : {9.0, 12.0, 15.0}) {
            p.drawLine(QPointF(5, y - 1.5), QPointF(10, y - 0.5));
            p.drawLine(QPointF(14, y - 0.5), QPointF(19, y - 1.5));
        }
        break;
    case P::Copy: // two pages
        page(3, 3, 11, 14);
        page(9, 7, 11, 14);
        p.setPen(QPen(accent, 1.2));
        for (qreal y : {11.0, 14.0, 17.0})
            p.drawLine(QPointF(11.5, y), QPointF(17.5, y));
        break;
    case P::Cut: // scissors
        p.drawEllipse(QPointF(7, 18), 3, 3);
        p.drawEllipse(QPointF(17, 18), 3, 3);
        p.drawLine(QPointF(9, 15.5), QPointF(17, 3));
        p.drawLine(QPointF(15, 15.5), QPointF(7, 3));
        p.setBrush(accent);
        p.drawEllipse(QPointF(12, 11), 1, 1);
        break;
    case P::Paste: // a clipboard
        p.setBrush(accent);
        p.drawRoundedRect(QRectF(4, 4, 16, 18), 2, 2);
        p.setBrush(paper);
        page(7, 7, 10, 12);
        p.setBrush(ink);
        p.drawRoundedRect(QRectF(9, 2.5, 6, 3), 1, 1);
        break;
    case P::Print: // a printer with a page
        page(7, 3, 10, 6);
        p.setBrush(ink);
        p.drawRoundedRect(QRectF(3, 9, 18, 8), 2, 2);
        p.setBrush(paper);
        page(7, 14, 10, 7);
        p.setPen(Qt::NoPen);
        p.setBrush(accent);
        p.drawEllipse(QPointF(18, 11.5), 1, 1);
        break;
    case P::TimeStamp: // a clock
        p.drawEllipse(QPointF(12, 12), 9, 9);
        p.setPen(QPen(accent, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 12), QPointF(12, 6));
        p.drawLine(QPointF(12, 12), QPointF(16, 14));
        break;
    case P::Encryption: // a padlock
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(7, 3, 10, 12), 0, 180 * 16);
        p.drawLine(QPointF(7, 9), QPointF(7, 11));
        p.drawLine(QPointF(17, 9), QPointF(17, 11));
        p.setBrush(accent);
        p.drawRoundedRect(QRectF(4.5, 11, 15, 10), 2, 2);
        p.setBrush(ink);
        p.drawEllipse(QPointF(12, 15.5), 1.3, 1.3);
        break;
    case P::Help: { // a question mark in a circle
        p.setBrush(ink);
        p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(14);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(3, 3, 18, 18), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    }
}

} // namespace

QPixmap JournalArt::picture(Picture picture, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 24.0, size / 24.0);
    draw(p, picture);
    return pixmap;
}

} // namespace vireo
