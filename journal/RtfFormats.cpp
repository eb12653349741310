#include "journal/RtfFormats.h"

#include "journal/RtfTables.h"

namespace vireo {

namespace {

// The document's lengths are pixels at 96 dots per inch: 15 twips each.
qreal pixels(int twips)
{
    return twips / 15.0;
}

} // namespace

const QTextCharFormat& RtfFormats::charFormat(const RtfCharState& state, int defaultFont,
                                              const RtfTables& tables)
{
    const auto found = formats_.constFind(state);
    if (found != formats_.constEnd())
        return *found;
    if (formats_.size() >= maxKept)
        formats_.clear();
    QTextCharFormat format;
    const QString family = tables.fontFamily(state.font >= 0 ? state.font : defaultFont);
    if (!family.isEmpty())
        format.setFontFamilies(QStringList{family});
    format.setFontPointSize(state.halfPoints / 2.0);
    if (state.bold)
        format.setFontWeight(QFont::Bold);
    if (state.italic)
        format.setFontItalic(true);
    if (state.underline != QTextCharFormat::NoUnderline)
        format.setUnderlineStyle(QTextCharFormat::UnderlineStyle(state.underline));
    if (state.strikeOut)
        format.setFontStrikeOut(true);
    const QColor foreground = tables.color(state.foreground);
    if (foreground.isValid())
        format.setForeground(foreground);
    const QColor background = tables.color(state.background);
    if (background.isValid())
        format.setBackground(background);
    return *formats_.insert(state, format);
}

QTextBlockFormat RtfFormats::blockFormat(const RtfParagraphState& p)
{
    QTextBlockFormat format;
    switch (p.alignment) {
    case 1:
        format.setAlignment(Qt::AlignHCenter);
        break;
    case 2:
        format.setAlignment(Qt::AlignRight);
        break;
    case 3:
        format.setAlignment(Qt::AlignJustify);
        break;
    default:
        break;
    }
    if (p.spaceBefore != 0)
        format.setTopMargin(pixels(p.spaceBefore));
    if (p.spaceAfter != 0)
        format.setBottomMargin(pixels(p.spaceAfter));
    if (p.leftIndent != 0)
        format.setLeftMargin(pixels(p.leftIndent));
    if (p.rightIndent != 0)
        format.setRightMargin(pixels(p.rightIndent));
    if (p.firstLineIndent != 0)
        format.setTextIndent(pixels(p.firstLineIndent));
    // Word writes single spacing as \sl240\slmult1: that is no spacing of its own.
    const bool single = p.lineSpacing == 0 || (p.lineSpacingMultiple && p.lineSpacing == 240);
    if (!single) {
        if (p.lineSpacing < 0)
            format.setLineHeight(pixels(-p.lineSpacing), QTextBlockFormat::FixedHeight);
        else if (p.lineSpacingMultiple)
            format.setLineHeight(p.lineSpacing * 100.0 / 240, QTextBlockFormat::ProportionalHeight);
        else
            format.setLineHeight(pixels(p.lineSpacing), QTextBlockFormat::MinimumHeight);
    }
    return format;
}

} // namespace vireo
