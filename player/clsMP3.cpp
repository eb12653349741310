#include "player/clsMP3.h"

#include "platform/Logging.h"
#include "platform/VbConvert.h"
#include "player/GenreTable.h"
#include "player/Windows1252.h"

#include <QFile>

#include <array>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vireo {

namespace {

// The last tagSize bytes of `path` into `out`, when it names a regular file that long. The file
// is opened without waiting (a named pipe or a device in its place would wait for a writer that
// may never come) and checked on the descriptor itself, so what is read is what was checked; the
// same fstat gives the size. One open, one fstat, one read and one close: no stat of the path
// and no buffered file object.
bool readTail(const QString& path, char* out, qsizetype tagSize)
{
    if (path.isEmpty())
        return false;
    const QByteArray native = QFile::encodeName(path);
    if (native.contains('\0')) {
        qCWarning(lcMedia) << "no tag read from" << path << "a file name cannot hold a NUL";
        return false;
    }
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        qCWarning(lcMedia) << "no tag read from" << path << qt_error_string(errno);
        return false;
    }
    struct stat st;
    bool read = false;
    if (::fstat(fd, &st) != 0)
        qCWarning(lcMedia) << "no tag read from" << path << qt_error_string(errno);
    else if (!S_ISREG(st.st_mode))
        qCWarning(lcMedia) << "no tag read from" << path << "not a regular file";
    else if (st.st_size >= tagSize)
        read = ::pread(fd, out, size_t(tagSize), st.st_size - tagSize) == tagSize;
    ::close(fd);
    return read;
}

// The fields are fixed-width: left-aligned, padded with spaces, cut when longer.
QString fixed(const QString& value, qsizetype width)
{
    return value.left(width).leftJustified(width, QLatin1Char(' '));
}

// The genre field for a genre byte: the table's name padded to 21, blank outside the table.
const QString& paddedGenre(unsigned char number)
{
    static const std::array<QString, 256> padded = [] {
        std::array<QString, 256> out;
        for (int i = 0; i < 256; ++i)
            out[i] = fixed(GenreTable::name(i), 21);
        return out;
    }();
    return padded[number];
}

} // namespace

clsMP3::clsMP3()
{
    blank();
}

void clsMP3::blank()
{
    // Shared, so blanking allocates nothing.
    static const QString blank30 = fixed({}, 30), blank4 = fixed({}, 4), blank21 = fixed({}, 21);
    title_ = artist_ = album_ = comment_ = blank30;
    year_ = blank4;
    genre_ = blank21;
}

void clsMP3::setFilename(const QString& path)
{
    path_ = path;
    char bytes[tagSize];
    if (readTail(path, bytes, tagSize))
        parse(QByteArrayView(bytes, tagSize));
    else
        blank();
}

void clsMP3::parse(QByteArrayView tag)
{
    if (tag.size() != tagSize || !tag.startsWith(QByteArrayView("TAG"))) {
        blank();
        return;
    }
    // Every field is replaced.
    title_ = decodeWindows1252(tag.sliced(3, 30));
    artist_ = decodeWindows1252(tag.sliced(33, 30));
    album_ = decodeWindows1252(tag.sliced(63, 30));
    year_ = decodeWindows1252(tag.sliced(93, 4));
    comment_ = decodeWindows1252(tag.sliced(97, 30));
    genre_ = paddedGenre(static_cast<unsigned char>(tag.at(127)));
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
