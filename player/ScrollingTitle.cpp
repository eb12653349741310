#include "player/ScrollingTitle.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOption>

#include <algorithm>

namespace vireo {

ScrollingTitle::ScrollingTitle(QWidget* parent) : QLabel(parent)
{
    // The label paints its own background, so a tick repaints the label alone and not the
    // panel under it.
    setAutoFillBackground(true);
}

bool ScrollingTitle::turnsCleanly(const QString& text)
{
    // No marks, joiners or surrogate pairs that a turn would split, no scripts that join
    // letters or write right to left.
    for (const QChar c : text) {
        if (c.isSurrogate() || c.isMark() || c.category() == QChar::Other_Format)
            return false;
        switch (c.script()) {
        case QChar::Script_Common:
        case QChar::Script_Latin:
        case QChar::Script_Greek:
        case QChar::Script_Cyrillic:
        case QChar::Script_Han:
        case QChar::Script_Hiragana:
        case QChar::Script_Katakana:
            break;
        default:
            return false;
        }
        switch (c.direction()) {
        case QChar::DirL:
        case QChar::DirEN:
        case QChar::DirES:
        case QChar::DirET:
        case QChar::DirCS:
        case QChar::DirWS:
        case QChar::DirON:
            break;
        default:
            return false;
        }
    }
    return true;
}

bool ScrollingTitle::drawsAsPlainText() const
{
    const QString& shown = text();
    return !shown.isEmpty() && textFormat() != Qt::RichText &&
           (textFormat() == Qt::PlainText || !Qt::mightBeRichText(shown)) && !wordWrap() &&
           margin() == 0 && indent() <= 0 && frameWidth() == 0 && buddy() == nullptr &&
           layoutDirection() == Qt::LeftToRight &&
           (alignment() & Qt::AlignHorizontal_Mask) == Qt::AlignLeft;
}

int ScrollingTitle::turnOf(const QString& shown) const
{
    const qsizetype length = base_.size();
    if (length == 0 || shown.size() != length)
        return -1;
    // The usual case first: one turn further than last time.
    for (const int step : {1, 0}) {
        const qsizetype from = (turn_ + step) % length;
        if (QStringView(shown).first(length - from) == QStringView(base_).sliced(from) &&
            QStringView(shown).sliced(length - from) == QStringView(base_).first(from))
            return static_cast<int>(from);
    }
    return -1;
}

void ScrollingTitle::layOut(const QString& base)
{
    ++layoutsMade_;
    base_ = base;
    turn_ = 0;
    twice_.setText(base + base);
    twice_.setFont(font());
    // Keeps the shaped glyphs: without it each draw shapes the line again.
    twice_.setCacheEnabled(true);
    twice_.beginLayout();
    QTextLine line = twice_.createLine();
    line.setNumColumns(static_cast<int>(base.size()) * 2);
    twice_.endLayout();
    starts_.resize(static_cast<size_t>(base.size()) + 1);
    for (qsizetype i = 0; i <= base.size(); ++i)
        starts_[static_cast<size_t>(i)] = line.cursorToX(static_cast<int>(i));
}

void ScrollingTitle::paintEvent(QPaintEvent* event)
{
    // A turn of the text laid out turns cleanly as that text did, so only a new text is checked.
    int turn = drawsAsPlainText() ? turnOf(text()) : -1;
    if (turn < 0) {
        if (!drawsAsPlainText() || !turnsCleanly(text())) {
            base_.clear();
            QLabel::paintEvent(event);
            return;
        }
        layOut(text());
        turn = 0;
    }
    turn_ = turn;

    // The line from the turned character on, as wide as the text once, in the colour and
    // vertical place the label draws its text.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    painter.setPen(QPen(option.palette.brush(foregroundRole()), painter.pen().widthF()));
    const QTextLine line = twice_.lineAt(0);
    const qreal top = (height() - (line.ascent() + line.descent())) / 2;
    painter.setClipRect(QRectF(0, 0, std::min<qreal>(width(), starts_.back()), height()));
    twice_.draw(&painter, QPointF(-starts_[static_cast<size_t>(turn)], top));
}

void ScrollingTitle::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        base_.clear(); // laid out again in the new font
    QLabel::changeEvent(event);
}

} // namespace vireo
