#pragma once

#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <variant>

namespace vireo {

// Writes quoted-field text files: texts in double quotes, whole numbers unquoted, fields of one
// write separated by commas, CR LF after each write. Encoded as UTF-8.
// A quote inside a text is doubled, and a file holding one begins with the UTF-8 byte-order
// mark: files of the old form could not hold a quote (there a quote ends the field, and the
// Windows program wrote a text ending in one as "x""), so only the mark tells QuotedFieldReader
// that a doubled quote is one quote. A file without quoted quotes is written as before.
class QuotedFieldWriter {
public:
    using Field = std::variant<QString, long long>;

    // One write operation: the fields as one line.
    void write(std::initializer_list<Field> fields);
    void writeText(const QString& text) { write({Field(text)}); }

    // The file's content, the byte-order mark first when a text holds a quote.
    QByteArray bytes() const;
    bool isEmpty() const { return lines_.isEmpty(); }
    // True when some text written holds a quote, so that the file needs the mark.
    bool needsNewFormMark() const { return needsMark_; }

    // Replaces the file's content as a whole: a failed write (full disk, no permission)
    // leaves the old file as it was. False when the file could not be written.
    bool saveTo(const QString& path) const;

    // Adds the lines to the end of the file, creating it when absent. A failed write takes
    // back what it added, so the file keeps whole lines. False when it could not be written,
    // or when a text holds a quote and the file, not empty, lacks the mark (rewrite it whole).
    bool appendTo(const QString& path) const;

private:
    QByteArray lines_;
    bool needsMark_ = false;
};

} // namespace vireo
