#include "journal/RtfOutput.h"

#include "journal/RtfCodePages.h"

namespace vireo {

void RtfOutput::text(QStringView text)
{
    static const char hexDigits[] = "0123456789abcdef";
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        switch (c) {
        case '\\':
            symbol("\\\\");
            continue;
        case '{':
            symbol("\\{");
            continue;
        case '}':
            symbol("\\}");
            continue;
        case '\t':
            word("tab");
            continue;
        case 0x2028: // the document's line break
            word("line");
            continue;
        case 0x00A0:
            symbol("\\~");
            continue;
        case 0x00AD:
            symbol("\\-");
            continue;
        case 0x2011:
            symbol("\\_");
            continue;
        case QChar::ObjectReplacementCharacter: // images and other objects: not written
        case QChar::ParagraphSeparator:
        case 0xFDD0: // frame marks of tables
        case 0xFDD1:
            continue;
        default:
            break;
        }
        if (c < 0x20)
            continue;
        if (c < 0x80) {
            literal(char(c));
            continue;
        }
        const int byte = windows1252Byte(c);
        if (byte >= 0) {
            bytes += "\\'";
            bytes += hexDigits[byte >> 4];
            bytes += hexDigits[byte & 15];
            needsSpace_ = false;
            continue;
        }
        // \uN takes a signed 16-bit number; the '?' is what readers without Unicode show.
        bytes += "\\u";
        bytes += QByteArray::number(int(static_cast<qint16>(c)));
        bytes += '?';
        needsSpace_ = false;
    }
}

} // namespace vireo
