#include "journal/RtfKeywords.h"

#include <QTextCharFormat>

#include <string_view>
#include <unordered_map>

namespace vireo {

namespace {

using Table = std::unordered_map<std::string_view, RtfKeywordEntry>;

void add(Table& table, std::initializer_list<std::string_view> words, RtfKeyword keyword,
         int value = 0)
{
    for (const std::string_view word : words)
        table.emplace(word, RtfKeywordEntry{keyword, value});
}

Table makeTable()
{
    using K = RtfKeyword;
    Table t;
    add(t, {"fonttbl"}, K::FontTable);
    add(t, {"colortbl"}, K::ColorTable);
    add(t, {"fldrslt"}, K::FieldResult);
    add(t, {"object"}, K::Object);
    add(t, {"result"}, K::ObjectResult);
    // Destinations whose text is not part of the body. Most writers mark them with \* as
    // well; these are the ones that old writers leave unmarked.
    add(t, {"stylesheet", "info",
            "pict",       "fldinst",
            "header",     "headerl",
            "headerr",    "headerf",
            "footer",     "footerl",
            "footerr",    "footerf",
            "footnote",   "annotation",
            "atnid",      "atnauthor",
            "atnicn",     "atnref",
            "atntime",    "atndate",
            "xe",         "tc",
            "tcn",        "txe",
            "rxe",        "pn",
            "pntxta",     "pntxtb",
            "falt",       "panose",
            "fontemb",    "fontfile",
            "listtable",  "listoverridetable",
            "revtbl",     "rsidtbl",
            "filetbl",    "template",
            "docvar",     "nonshppict",
            "shppict",    "shp",
            "shpinst",    "shprslt",
            "sp",         "sn",
            "sv",         "objdata",
            "objclass",   "objname",
            "objalias",   "objtime",
            "objsect",    "generator",
            "author",     "operator",
            "title",      "subject",
            "keywords",   "comment",
            "doccomm",    "company",
            "category",   "creatim",
            "revtim",     "printim",
            "buptim",     "hlinkbase",
            "userprops",  "private",
            "ftnsep",     "ftnsepc",
            "ftncn",      "aftnsep",
            "aftnsepc",   "aftncn",
            "bkmkstart",  "bkmkend",
            "datafield",  "formfield",
            "themedata",  "colorschememapping",
            "datastore",  "latentstyles",
            "xmlnstbl",   "mmathPr",
            "pgdsctbl",   "background",
            "do",         "picprop",
            "blipuid"},
        K::SkippedGroup);

    add(t, {"ansi"}, K::CodePage, 1252);
    add(t, {"mac"}, K::CodePage, 10000);
    add(t, {"pc"}, K::CodePage, 437);
    add(t, {"pca"}, K::CodePage, 850);
    add(t, {"ansicpg"}, K::AnsiCodePage);
    add(t, {"deff"}, K::DefaultFont);
    add(t, {"fcharset"}, K::FontCharset);
    add(t, {"cpg"}, K::FontCodePage);
    add(t, {"red"}, K::Red);
    add(t, {"green"}, K::Green);
    add(t, {"blue"}, K::Blue);

    add(t, {"plain"}, K::Plain);
    add(t, {"f"}, K::Font);
    add(t, {"fs"}, K::FontSize);
    add(t, {"b"}, K::Bold);
    add(t, {"i"}, K::Italic);
    add(t, {"ul", "uldb", "ulth", "ulw", "ulthd", "ulthdash", "ulldash", "ulthldash"}, K::Underline,
        QTextCharFormat::SingleUnderline);
    add(t, {"uld"}, K::Underline, QTextCharFormat::DotLine);
    add(t, {"uldash"}, K::Underline, QTextCharFormat::DashUnderline);
    add(t, {"uldashd", "ulthdashd"}, K::Underline, QTextCharFormat::DashDotLine);
    add(t, {"uldashdd", "ulthdashdd"}, K::Underline, QTextCharFormat::DashDotDotLine);
    add(t, {"ulwave", "ulhwave", "ululdbwave"}, K::Underline, QTextCharFormat::WaveUnderline);
    add(t, {"ulnone"}, K::UnderlineNone);
    add(t, {"strike", "striked"}, K::StrikeOut);
    add(t, {"v"}, K::Hidden);
    add(t, {"cf"}, K::Foreground);
    add(t, {"cb", "chcbpat", "highlight"}, K::Background);
    add(t, {"uc"}, K::UnicodeSkip);
    add(t, {"u"}, K::Unicode);

    add(t, {"pard"}, K::Pard);
    add(t, {"ql"}, K::Alignment, 0);
    add(t, {"qc"}, K::Alignment, 1);
    add(t, {"qr"}, K::Alignment, 2);
    add(t, {"qj", "qd"}, K::Alignment, 3);
    add(t, {"sb"}, K::SpaceBefore);
    add(t, {"sa"}, K::SpaceAfter);
    add(t, {"li", "lin"}, K::LeftIndent);
    add(t, {"ri", "rin"}, K::RightIndent);
    add(t, {"fi"}, K::FirstLineIndent);
    add(t, {"sl"}, K::LineSpacing);
    add(t, {"slmult"}, K::LineSpacingMultiple);

    add(t, {"par", "sect", "page", "row", "nestrow"}, K::Paragraph);
    add(t, {"line"}, K::Character, 0x2028);
    // A table becomes tab-separated lines: its text stays in reading order.
    add(t, {"tab", "cell", "nestcell"}, K::Character, '\t');
    add(t, {"lquote"}, K::Character, 0x2018);
    add(t, {"rquote"}, K::Character, 0x2019);
    add(t, {"ldblquote"}, K::Character, 0x201C);
    add(t, {"rdblquote"}, K::Character, 0x201D);
    add(t, {"bullet"}, K::Character, 0x2022);
    add(t, {"endash"}, K::Character, 0x2013);
    add(t, {"emdash"}, K::Character, 0x2014);
    add(t, {"enspace"}, K::Character, 0x2002);
    add(t, {"emspace"}, K::Character, 0x2003);
    add(t, {"qmspace"}, K::Character, 0x2005);
    add(t, {"zwj"}, K::Character, 0x200D);
    add(t, {"zwnj"}, K::Character, 0x200C);
    add(t, {"ltrmark"}, K::Character, 0x200E);
    add(t, {"rtlmark"}, K::Character, 0x200F);
    add(t, {"bin"}, K::Binary);
    return t;
}

} // namespace

RtfKeywordEntry lookupRtfKeyword(QByteArrayView word)
{
    static const Table table = makeTable();
    const auto found = table.find(std::string_view(word.data(), std::size_t(word.size())));
    return found == table.end() ? RtfKeywordEntry{} : found->second;
}

} // namespace vireo
