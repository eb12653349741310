#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace vireo::test {

// A 128-byte ID3 version 1 tag; each field is padded to its width with `pad` and cut when
// longer.
inline QByteArray id3v1(const QByteArray& title, const QByteArray& artist = {},
                        const QByteArray& album = {}, const QByteArray& year = {},
                        const QByteArray& comment = {}, unsigned char genre = 0,
                        const QByteArray& marker = "TAG", char pad = ' ')
{
    auto field = [pad](const QByteArray& value, int width) {
        return value.left(width).leftJustified(width, pad);
    };
    QByteArray tag = marker.left(3);
    tag += field(title, 30) + field(artist, 30) + field(album, 30) + field(year, 4) +
           field(comment, 30);
    tag += char(genre);
    return tag;
}

// A few bytes of an MPEG audio frame: enough for a file that looks like a song.
inline QByteArray frameData()
{
    QByteArray frame("\xFF\xFB\x90\x64", 4);
    frame += QByteArray(413, '\0');
    return frame;
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A song file: frame data followed by its tag (or by nothing).
inline bool writeSong(const QString& path, const QByteArray& tag)
{
    return writeFile(path, frameData() + tag);
}

} // namespace vireo::test
