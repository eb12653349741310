#include "journal/RtfWriter.h"

#include "journal/RtfOutput.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace vireo {

namespace {

constexpr int maxTwips = 31680; // as the reader: no length beyond 22 inches
constexpr int maxHalfPoints = 3276;

// A length in twips (1/1440 inch) from the document's pixels (1/96 inch).
int twips(qreal pixels)
{
    if (!std::isfinite(pixels))
        return 0;
    return qRound(std::clamp(pixels * 15, qreal(-maxTwips), qreal(maxTwips)));
}

struct RunFormat {
    int font = 0;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool strikeOut = false;
    int underline = QTextCharFormat::NoUnderline;
    int foreground = 0;
    int background = 0;
};

const char* underlineWord(int style)
{
    switch (style) {
    case QTextCharFormat::SingleUnderline:
        return "ul";
    case QTextCharFormat::DashUnderline:
        return "uldash";
    case QTextCharFormat::DotLine:
        return "uld";
    case QTextCharFormat::DashDotLine:
        return "uldashd";
    case QTextCharFormat::DashDotDotLine:
        return "uldashdd";
    case QTextCharFormat::WaveUnderline:
        return "ulwave";
    default:
        return "ulnone";
    }
}

class DocumentWriter {
public:
    explicit DocumentWriter(const QTextDocument& document)
        : document_(document), defaultFont_(document.defaultFont())
    {
        fontIndex(defaultFont_.family()); // font 0, the document's default (\deff0)
    }

    QByteArray write();

private:
    void writeBlock(const QTextBlock& block);
    void writeBlockFormat(const QTextBlockFormat& format);
    void writeRunFormat(const RunFormat& format);
    RunFormat runFormat(const QTextCharFormat& format);
    int fontIndex(const QString& family);
    int colorIndex(const QBrush& brush);
    QByteArray header() const;

    const QTextDocument& document_;
    const QFont defaultFont_;
    RtfOutput body_;
    RunFormat written_;
    QStringList fonts_;
    QHash<QString, int> fontIndexes_;
    QList<QRgb> colors_;
    QHash<QRgb, int> colorIndexes_;
};

QByteArray DocumentWriter::write()
{
    body_.bytes.reserve(document_.characterCount() + document_.blockCount() * 16 + 64);
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next())
        writeBlock(block);
    QByteArray out = header();
    out += body_.bytes;
    out += "}\n";
    return out;
}

void DocumentWriter::writeBlock(const QTextBlock& block)
{
    writeBlockFormat(block.blockFormat());
    if (block.length() <= 1) {
        // An empty paragraph: its mark's format gives the line its height.
        writeRunFormat(runFormat(block.charFormat()));
    }
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        writeRunFormat(runFormat(fragment.charFormat()));
        body_.text(fragment.text());
    }
    body_.word("par");
    body_.raw("\n");
}

void DocumentWriter::writeBlockFormat(const QTextBlockFormat& format)
{
    body_.word("pard");
    switch (format.alignment() & Qt::AlignHorizontal_Mask) {
    case Qt::AlignHCenter:
        body_.word("qc");
        break;
    case Qt::AlignRight:
        body_.word("qr");
        break;
    case Qt::AlignJustify:
        body_.word("qj");
        break;
    default:
        break;
    }
    const auto length = [this](const char* name, qreal pixels) {
        if (const int value = twips(pixels))
            body_.word(name, value);
    };
    length("sb", format.topMargin());
    length("sa", format.bottomMargin());
    length("li", format.leftMargin() + format.indent() * document_.indentWidth());
    length("ri", format.rightMargin());
    length("fi", format.textIndent());

    const qreal height = format.lineHeight();
    switch (format.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        if (std::isfinite(height) && height != 100 && height > 0) {
            body_.word("sl", qRound(std::min(height * 2.4, qreal(maxTwips))));
            body_.word("slmult", 1);
        }
        break;
    case QTextBlockFormat::FixedHeight:
        if (const int value = twips(height); value > 0) {
            body_.word("sl", -value);
            body_.word("slmult", 0);
        }
        break;
    case QTextBlockFormat::MinimumHeight:
        if (const int value = twips(height); value > 0) {
            body_.word("sl", value);
            body_.word("slmult", 0);
        }
        break;
    default:
        break;
    }
}

void DocumentWriter::writeRunFormat(const RunFormat& f)
{
    RunFormat& w = written_;
    if (f.font != w.font)
        body_.word("f", f.font);
    if (f.halfPoints != w.halfPoints)
        body_.word("fs", f.halfPoints);
    if (f.bold != w.bold)
        f.bold ? body_.word("b") : body_.word("b", 0);
    if (f.italic != w.italic)
        f.italic ? body_.word("i") : body_.word("i", 0);
    if (f.underline != w.underline)
        body_.word(underlineWord(f.underline));
    if (f.strikeOut != w.strikeOut)
        f.strikeOut ? body_.word("strike") : body_.word("strike", 0);
    if (f.foreground != w.foreground)
        body_.word("cf", f.foreground);
    if (f.background != w.background)
        body_.word("highlight", f.background);
    w = f;
}

RunFormat DocumentWriter::runFormat(const QTextCharFormat& format)
{
    RunFormat run;
    QString family = defaultFont_.family();
    if (format.hasProperty(QTextFormat::FontFamilies)) {
        const QStringList families = format.fontFamilies().toStringList();
        if (!families.isEmpty())
            family = families.first();
    } else if (format.hasProperty(QTextFormat::FontFamily)) {
        family = format.stringProperty(QTextFormat::FontFamily);
    }
    run.font = fontIndex(family);

    qreal points = defaultFont_.pointSizeF();
    if (points <= 0)
        points = defaultFont_.pixelSize() * 0.75;
    if (format.hasProperty(QTextFormat::FontPointSize))
        points = format.fontPointSize();
    else if (format.hasProperty(QTextFormat::FontPixelSize))
        points = format.intProperty(QTextFormat::FontPixelSize) * 0.75; // at 96 dots per inch
    run.halfPoints =
        points > 0 && std::isfinite(points)
            ? std::clamp(qRound(std::min(points * 2, qreal(maxHalfPoints))), 1, maxHalfPoints)
            : 24;

    const int weight =
        format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() : defaultFont_.weight();
    run.bold = weight >= QFont::DemiBold;
    run.italic =
        format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : defaultFont_.italic();
    if (format.hasProperty(QTextFormat::TextUnderlineStyle))
        run.underline = format.underlineStyle();
    else if (format.hasProperty(QTextFormat::FontUnderline) ? format.fontUnderline()
                                                            : defaultFont_.underline())
        run.underline = QTextCharFormat::SingleUnderline;
    if (run.underline == QTextCharFormat::SpellCheckUnderline)
        run.underline = QTextCharFormat::NoUnderline; // the editor's own marking, not the text's
    run.strikeOut = format.hasProperty(QTextFormat::FontStrikeOut) ? format.fontStrikeOut()
                                                                   : defaultFont_.strikeOut();
    run.foreground = colorIndex(format.foreground());
    run.background = colorIndex(format.background());
    return run;
}

int DocumentWriter::fontIndex(const QString& family)
{
    const auto found = fontIndexes_.constFind(family);
    if (found != fontIndexes_.constEnd())
        return *found;
    fonts_.append(family);
    fontIndexes_.insert(family, int(fonts_.size() - 1));
    return int(fonts_.size() - 1);
}

int DocumentWriter::colorIndex(const QBrush& brush)
{
    if (brush.style() == Qt::NoBrush)
        return 0; // automatic
    const QRgb rgb = brush.color().rgb();
    const auto found = colorIndexes_.constFind(rgb);
    if (found != colorIndexes_.constEnd())
        return *found;
    colors_.append(rgb);
    colorIndexes_.insert(rgb, int(colors_.size())); // entry 0 is "automatic"
    return int(colors_.size());
}

QByteArray DocumentWriter::header() const
{
    RtfOutput out;
    out.raw("{\\rtf1\\ansi\\ansicpg1252\\deff0\n{\\fonttbl");
    for (qsizetype i = 0; i < fonts_.size(); ++i) {
        out.raw("{");
        out.word("f", int(i));
        out.word("fnil");
        out.word("fcharset", 0);
        // A semicolon would end the name: it is written as its byte.
        const QStringList parts = fonts_[i].split(QLatin1Char(';'));
        for (qsizetype part = 0; part < parts.size(); ++part) {
            if (part > 0)
                out.raw("\\'3b");
            out.text(parts[part]);
        }
        out.raw(";}");
    }
    out.raw("}\n{\\colortbl ;");
    for (const QRgb rgb : colors_) {
        out.word("red", qRed(rgb));
        out.word("green", qGreen(rgb));
        out.word("blue", qBlue(rgb));
        out.raw(";");
    }
    out.raw("}\n{\\*\\generator Vireo;}\\viewkind4\\uc1\n");
    return out.bytes;
}

} // namespace

QByteArray writeRtf(const QTextDocument& document)
{
    return DocumentWriter(document).write();
}

} // namespace vireo
