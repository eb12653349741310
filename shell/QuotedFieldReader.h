#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class QIODevice;

namespace vireo {

// Reads the quoted-field text files every list on disk uses, one field at a time:
// leading spaces skipped; a field in double quotes runs to the closing quote (commas and line
// breaks inside stay) and the rest up to the next comma or line end is skipped; any other
// field runs to the next comma or line end and loses its leading and trailing spaces.
// A line end is CR LF, or a lone CR or LF.
//
// Quotes inside a text: the old form (files of the Windows program, which wrote texts as they
// stood) has no way to hold one, so there a quote always ends the field. A file that begins
// with the UTF-8 byte-order mark, which the old program never wrote and QuotedFieldWriter
// writes whenever a text holds a quote, is of the new form: a doubled quote is one quote.
//
// Each field is decoded on its own: UTF-8 when its bytes are valid UTF-8, else Windows-1252, so
// one line of the old encoding in a file costs nothing else.
class QuotedFieldReader {
public:
    explicit QuotedFieldReader(QByteArray bytes);

    // Reads what is left of the device now; nothing stays open.
    static QuotedFieldReader fromDevice(QIODevice& device);
    // Nullopt when the file cannot be read (missing, unreadable, not a regular file).
    static std::optional<QuotedFieldReader> open(const QString& path);

    // True when no byte is left.
    bool atEnd() const { return pos_ >= bytes_.size(); }

    // The next field; nullopt when the end had already been reached (a read error).
    std::optional<QString> readField();

    // Every field left, in order, as the owners' reading loops take them.
    QStringList readAll();

    // False once something read so far did not go into a field whole: text skipped after a
    // closing quote, or a quoted field with no closing quote. Writing such a file back from
    // its fields would lose that part.
    bool readWhole() const { return whole_; }

    // The bytes of one field as text: UTF-8 when valid, else Windows-1252.
    static QString decode(QByteArrayView bytes);

    // What begins a file of the new form.
    static constexpr QByteArrayView newFormMark() { return "\xEF\xBB\xBF"; }

private:
    bool isFieldEnd(qsizetype i) const;
    void skipPastFieldEnd();
    QByteArray quotedField();

    QByteArray bytes_;
    qsizetype pos_ = 0;
    bool doubledQuotes_ = false;
    bool whole_ = true;
};

} // namespace vireo
