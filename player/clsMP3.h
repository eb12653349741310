#pragma once

#include <QByteArrayView>
#include <QString>

namespace vireo {

// Reads the ID3 version 1 tag in the last 128 bytes of an audio file. Writing `filename`
// reads the file; the fields then give the tag as text. It never writes a tag.
class clsMP3 {
public:
    static constexpr qsizetype tagSize = 128;

    clsMP3();

    QString filename() const { return path_; }
    // Stores the path and reads its tag. A missing, short, unreadable or tagless file, or a
    // path that names no regular file, leaves every field blank; nothing is reported.
    void setFilename(const QString& path);

    // Trailing spaces removed; leading spaces and NUL characters kept.
    QString Title() const;
    QString Artist() const;
    QString Genre() const;
    QString Album() const;
    // The four characters as stored, untrimmed.
    QString Year() const { return year_; }
    QString Comment() const;

    // Replaces the fields with those of a tag's 128 bytes. Any other length is no tag.
    void parse(QByteArrayView tag);

private:
    void blank();

    QString path_;
    QString title_, artist_, album_, comment_, year_, genre_;
};

} // namespace vireo
