#pragma once

#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <variant>

namespace vireo {

// Writes quoted-field text files: texts in double quotes (a quote inside doubled, so it reads
// back whole), whole numbers unquoted, fields of one write separated by commas, CR LF after
// each write. Encoded as UTF-8.
class QuotedFieldWriter {
public:
    using Field = std::variant<QString, long long>;

    // One write operation: the fields as one line.
    void write(std::initializer_list<Field> fields);
    void writeText(const QString& text) { write({Field(text)}); }

    const QByteArray& bytes() const { return bytes_; }
    bool isEmpty() const { return bytes_.isEmpty(); }

    // Replaces the file's content as a whole: a failed write (full disk, no permission)
    // leaves the old file as it was. False when the file could not be written.
    bool saveTo(const QString& path) const;

    // Adds the bytes to the end of the file, creating it when absent. A failed write takes
    // back what it added, so the file keeps whole lines. False when it could not be written.
    bool appendTo(const QString& path) const;

    static QByteArray line(std::initializer_list<Field> fields);

private:
    QByteArray bytes_;
};

} // namespace vireo
