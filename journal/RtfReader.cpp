#include "journal/RtfReader.h"

#include "journal/RtfCodePages.h"
#include "journal/RtfParser.h"
#include "journal/RtfTextDecoder.h"

#include <QStringDecoder>
#include <QTextDocument>

namespace vireo {

namespace {

// Where the document begins: "{\rtf" after blanks and a UTF-8 byte-order mark, or -1.
qsizetype rtfStart(QByteArrayView bytes)
{
    qsizetype i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < bytes.size() &&
           (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return bytes.sliced(i).startsWith("{\\rtf") ? i : -1;
}

QString plainText(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        text.clear();
        RtfTextDecoder().decode(bytes, windows1252, text);
    }
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.removeIf([](QChar c) {
        return (c.unicode() < 0x20 && c != QLatin1Char('\n') && c != QLatin1Char('\t')) ||
               c == QChar::ObjectReplacementCharacter || c.unicode() == 0xFDD0 ||
               c.unicode() == 0xFDD1;
    });
    return text;
}

} // namespace

RtfReadResult readRtf(QByteArrayView bytes, QTextDocument& document)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    RtfReadResult result;
    const qsizetype start = rtfStart(bytes);
    if (start < 0) {
        document.setPlainText(plainText(bytes));
        result = {RtfReadStatus::NotRtf, bytes.size()};
    } else {
        result = RtfParser(bytes, start, document).run();
    }
    document.setUndoRedoEnabled(undo);
    document.setModified(false);
    return result;
}

} // namespace vireo
