#include "player/PlaylistFile.h"

#include "shell/QuotedFieldReader.h"
#include "shell/QuotedFieldWriter.h"

#include <QFileInfo>

namespace vireo {

namespace {

Playlist read(QuotedFieldReader& reader, bool* whole)
{
    Playlist playlist;
    bool dropped = false;
    do {
        const std::optional<QString> name = reader.readField();
        const std::optional<QString> path = reader.readField();
        if (!name || !path) {
            dropped = dropped || (name && !name->isEmpty());
            break;
        }
        if (!name->isEmpty())
            playlist.append(*name, *path);
        else
            dropped = dropped || !path->isEmpty();
    } while (!reader.atEnd());
    if (whole)
        *whole = reader.readWhole() && !dropped;
    return playlist;
}

QuotedFieldWriter written(const Playlist& playlist)
{
    QuotedFieldWriter writer;
    for (qsizetype i = 0; i < playlist.size(); ++i) {
        writer.writeText(playlist.names().at(i));
        writer.writeText(playlist.paths().at(i));
    }
    return writer;
}

} // namespace

Playlist PlaylistFile::load(const QString& path, bool* whole)
{
    std::optional<QuotedFieldReader> reader = QuotedFieldReader::open(path);
    if (!reader) {
        if (whole)
            *whole = !QFileInfo::exists(path);
        return {};
    }
    return read(*reader, whole);
}

Playlist PlaylistFile::parse(const QByteArray& bytes, bool* whole)
{
    QuotedFieldReader reader(bytes);
    return read(reader, whole);
}

QByteArray PlaylistFile::serialise(const Playlist& playlist)
{
    return written(playlist).bytes();
}

bool PlaylistFile::save(const QString& path, const Playlist& playlist)
{
    return written(playlist).saveTo(path);
}

} // namespace vireo
