#include "journal/RtfDocumentBuilder.h"

#include <QTextDocument>

#include <algorithm>

namespace vireo {

namespace {

bool isKept(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x20)
        return u == '\t';
    return u != QChar::ParagraphSeparator && u != QChar::ObjectReplacementCharacter &&
           u != 0xFDD0 && u != 0xFDD1; // the document's frame marks
}

} // namespace

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument& document) : cursor_(&document)
{
    document.clear();
    cursor_ = QTextCursor(&document);
    // One edit for the whole file: the cursor then lays out no line after each insertion.
    cursor_.beginEditBlock();
}

void RtfDocumentBuilder::appendText(QStringView text, const QTextCharFormat& format)
{
    if (text.isEmpty())
        return;
    startParagraphIfEnded(format);
    if (!pending_.isEmpty() && !(format == pendingFormat_))
        flush();
    if (pending_.isEmpty())
        pendingFormat_ = format;
    const qsizetype before = pending_.size();
    if (std::all_of(text.begin(), text.end(), isKept)) {
        pending_ += text;
    } else {
        for (const QChar c : text) {
            if (isKept(c))
                pending_ += c;
        }
    }
    if (pending_.size() > before)
        paragraphEmpty_ = false;
}

void RtfDocumentBuilder::endParagraph(const QTextBlockFormat& format,
                                      const QTextCharFormat& markFormat)
{
    startParagraphIfEnded(markFormat);
    flush();
    cursor_.setBlockFormat(format);
    if (paragraphEmpty_)
        cursor_.setBlockCharFormat(markFormat);
    paragraphEnded_ = true;
}

void RtfDocumentBuilder::finish(const QTextBlockFormat& format)
{
    flush();
    if (!paragraphEnded_)
        cursor_.setBlockFormat(format);
    cursor_.endEditBlock();
}

void RtfDocumentBuilder::flush()
{
    if (pending_.isEmpty())
        return;
    cursor_.insertText(pending_, pendingFormat_);
    pending_.resize(0); // keeps its room for the next run
}

void RtfDocumentBuilder::startParagraphIfEnded(const QTextCharFormat& format)
{
    if (!paragraphEnded_)
        return;
    cursor_.insertBlock(QTextBlockFormat(), format);
    paragraphEnded_ = false;
    paragraphEmpty_ = true;
}

} // namespace vireo
