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
// field runs to the next comma or line end and is trimmed. A doubled quote inside quotes is one
// quote (how we write them); a lone quote ends the field, as in files of the old form.
// Bytes that are not valid UTF-8 are read as Windows-1252.
class QuotedFieldReader {
public:
    explicit QuotedFieldReader(const QByteArray& bytes);

    // Reads the whole device now; nothing stays open.
    static QuotedFieldReader fromDevice(QIODevice& device);
    // Nullopt when the file cannot be opened (missing, unreadable).
    static std::optional<QuotedFieldReader> open(const QString& path);

    // True when no character is left.
    bool atEnd() const { return pos_ >= text_.size(); }

    // The next field; nullopt when the end had already been reached (a read error).
    std::optional<QString> readField();

    // Every field left, in order, as the owners' reading loops take them.
    QStringList readAll();

    static QString decode(const QByteArray& bytes);

private:
    bool atLineEnd() const;
    void consumeLineEndOrComma();

    QString text_;
    qsizetype pos_ = 0;
};

} // namespace vireo
