#include "player/clsMP3.h"

#include "platform/VbConvert.h"
#include "player/GenreTable.h"
#include "player/Windows1252.h"

#include <QFile>
#include <QFileInfo>

namespace vireo {

namespace {

// The fields are fixed-width: left-aligned, padded with spaces, cut when longer.
QString fixed(const QString& value, qsizetype width)
{
    return value.left(width).leftJustified(width, QLatin1Char(' '));
}

} // namespace

clsMP3::clsMP3()
{
    blank();
}

void clsMP3::blank()
{
    title_ = artist_ = album_ = comment_ = fixed({}, 30);
    year_ = fixed({}, 4);
    genre_ = fixed({}, 21);
}

void clsMP3::setFilename(const QString& path)
{
    path_ = path;
    blank();
    // Only a regular file: opening a pipe or a device would wait for a writer that may never come.
    if (!QFileInfo(path).isFile())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const qint64 size = file.size();
    if (size < tagSize || !file.seek(size - tagSize))
        return;
    char bytes[tagSize];
    const qint64 got = file.read(bytes, tagSize);
    file.close();
    if (got == tagSize)
        parse(QByteArrayView(bytes, tagSize));
}

void clsMP3::parse(QByteArrayView tag)
{
    blank();
    if (tag.size() != tagSize || !tag.startsWith(QByteArrayView("TAG")))
        return;
    title_ = decodeWindows1252(tag.sliced(3, 30));
    artist_ = decodeWindows1252(tag.sliced(33, 30));
    album_ = decodeWindows1252(tag.sliced(63, 30));
    year_ = decodeWindows1252(tag.sliced(93, 4));
    comment_ = decodeWindows1252(tag.sliced(97, 30));
    genre_ = fixed(GenreTable::name(static_cast<unsigned char>(tag.at(127))), 21);
}

QString clsMP3::Title() const
{
    return vb::withoutTrailingSpaces(title_);
}
QString clsMP3::Artist() const
{
    return vb::withoutTrailingSpaces(artist_);
}
QString clsMP3::Genre() const
{
    return vb::withoutTrailingSpaces(genre_);
}
QString clsMP3::Album() const
{
    return vb::withoutTrailingSpaces(album_);
}
QString clsMP3::Comment() const
{
    return vb::withoutTrailingSpaces(comment_);
}

} // namespace vireo
