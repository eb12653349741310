#pragma once

#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

class QTextDocument;

namespace vireo {

// Fills a document with the paragraphs and character runs that a reader finds, joining runs
// of one format so that a run becomes one insertion however many pieces it arrived in.
// A paragraph is added only when something follows its predecessor's end: the paragraph mark
// that ends an RTF document makes no empty paragraph of its own.
class RtfDocumentBuilder {
public:
    // Empties the document.
    explicit RtfDocumentBuilder(QTextDocument& document);

    // Characters that would mean something else to the document (paragraph and frame marks,
    // object markers, control characters other than tab) are left out.
    void appendText(QStringView text, const QTextCharFormat& format);
    // Ends the current paragraph with this format; `markFormat` is the character format of
    // its paragraph mark (it sizes an empty line).
    void endParagraph(const QTextBlockFormat& format, const QTextCharFormat& markFormat);
    // Puts the last pieces into the document; an unended last paragraph takes `format`.
    // Call it once, last.
    void finish(const QTextBlockFormat& format);

private:
    void flush();
    void startParagraphIfEnded(const QTextCharFormat& format);

    QTextCursor cursor_;
    QString pending_;
    QTextCharFormat pendingFormat_;
    bool paragraphEnded_ = false;
    bool paragraphEmpty_ = true;
};

} // namespace vireo
