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
// A doubled quote inside quotes is one quote (how we write them); a lone quote ends the field,
// as in files of the old form. A line end is CR LF, or a lone CR or LF.
// Bytes that are not valid UTF-8 are read as Windows-1252.
class QuotedFieldReader {
public:
    explicit QuotedFieldReader(const QByteArray& bytes);

    // Reads what is left of the device now; nothing stays open.
    static QuotedFieldReader fromDevice(QIODevice& device);
    // Nullopt when the file cannot be opened (missing, unreadable, a folder).
    static std::optional<QuotedFieldReader> open(const QString& path);

    // True when no character is left.
    bool atEnd() const { return pos_ >= text_.size(); }

    // The next field; nullopt when the end had already been reached (a read error).
    std::optional<QString> readField();

    // Every field left, in order, as the owners' reading loops take them.
    QStringList readAll();

    // UTF-8 (a leading byte-order mark dropped) when the bytes are valid UTF-8, else
    // Windows-1252.
    static QString decode(const QByteArray& bytes);

private:
    QChar at(qsizetype i) const { return text_.at(i); }
    bool isFieldEnd(qsizetype i) const;
    void skipPastFieldEnd();

    QString text_;
    qsizetype pos_ = 0;
};

} // namespace vireo
