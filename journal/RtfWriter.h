#pragma once

#include <QByteArray>

class QTextDocument;

namespace vireo {

// The document as Rich Text Format 1.9 in 7-bit ASCII: a font table, a colour table and one
// paragraph per block with its alignment, spacing and indents; character runs keep their font
// family, size, bold, italic, underline, strike-out and colours. Characters of Windows-1252
// are written as \'hh, every other character as \uN with a '?' for readers without Unicode.
QByteArray writeRtf(const QTextDocument& document);

} // namespace vireo
