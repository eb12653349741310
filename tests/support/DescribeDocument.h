#pragma once

// A document as one line of text per paragraph, for comparing documents in tests:
//   [centre before=8] plain|<b fg=#ff0000>bold red|<Arial 14pt i>rest
// A paragraph's formats that differ from the defaults come in brackets, then its runs,
// separated by '|'; each run gives the character formats that differ from 12-point text in the
// document's default font. Adjacent runs that look the same are joined, so documents that show the
// same compare equal however their fragments are cut.
#include <QColor>
#include <QFont>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

namespace vireo::test {

inline QString describeChars(const QTextDocument& document, const QTextCharFormat& f)
{
    const QFont base = document.defaultFont();
    QStringList out;
    QString family = base.family();
    if (f.hasProperty(QTextFormat::FontFamilies))
        family = f.fontFamilies().toStringList().value(0);
    if (family != base.family())
        out << family;
    const qreal points =
        f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : base.pointSizeF();
    if (points != 12)
        out << QString::number(points) + QLatin1String("pt");
    const int weight = f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() : base.weight();
    if (weight >= QFont::DemiBold)
        out << QStringLiteral("b");
    if (f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : base.italic())
        out << QStringLiteral("i");
    switch (f.underlineStyle()) {
    case QTextCharFormat::NoUnderline:
        break;
    case QTextCharFormat::SingleUnderline:
        out << QStringLiteral("u");
        break;
    default:
        out << QStringLiteral("u%1").arg(int(f.underlineStyle()));
        break;
    }
    if (f.fontStrikeOut())
        out << QStringLiteral("s");
    if (f.foreground().style() != Qt::NoBrush)
        out << QLatin1String("fg=") + f.foreground().color().name();
    if (f.background().style() != Qt::NoBrush)
        out << QLatin1String("bg=") + f.background().color().name();
    return out.isEmpty() ? QString()
                         : QLatin1Char('<') + out.join(QLatin1Char(' ')) + QLatin1Char('>');
}

inline QString describeBlock(const QTextBlockFormat& f)
{
    QStringList out;
    switch (f.alignment() & Qt::AlignHorizontal_Mask) {
    case Qt::AlignHCenter:
        out << QStringLiteral("centre");
        break;
    case Qt::AlignRight:
        out << QStringLiteral("right");
        break;
    case Qt::AlignJustify:
        out << QStringLiteral("justify");
        break;
    default:
        break;
    }
    const auto length = [&out](const char* name, qreal value) {
        if (value != 0)
            out << QLatin1String(name) + QLatin1Char('=') + QString::number(value);
    };
    length("before", f.topMargin());
    length("after", f.bottomMargin());
    length("left", f.leftMargin());
    length("right", f.rightMargin());
    length("first", f.textIndent());
    switch (f.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        out << QStringLiteral("line=%1%").arg(f.lineHeight());
        break;
    case QTextBlockFormat::FixedHeight:
        out << QStringLiteral("line=exactly %1").arg(f.lineHeight());
        break;
    case QTextBlockFormat::MinimumHeight:
        out << QStringLiteral("line=at least %1").arg(f.lineHeight());
        break;
    default:
        break;
    }
    return out.isEmpty() ? QString()
                         : QLatin1Char('[') + out.join(QLatin1Char(' ')) + QLatin1String("] ");
}

inline QString describe(const QTextDocument& document)
{
    QStringList paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QStringList runs;
        QString last;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString chars = describeChars(document, it.fragment().charFormat());
            if (!runs.isEmpty() && chars == last)
                runs.last() += it.fragment().text();
            else
                runs << chars + it.fragment().text();
            last = chars;
        }
        paragraphs << describeBlock(block.blockFormat()) + runs.join(QLatin1Char('|'));
    }
    return paragraphs.join(QLatin1Char('\n'));
}

} // namespace vireo::test
