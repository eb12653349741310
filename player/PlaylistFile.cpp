#include "player/PlaylistFile.h"

#include "shell/QuotedFieldReader.h"
#include "shell/QuotedFieldWriter.h"

namespace vireo {

namespace {

Playlist read(QuotedFieldReader& reader)
{
    Playlist playlist;
    do {
        const std::optional<QString> name = reader.readField();
        const std::optional<QString> path = reader.readField();
        if (!name || !path)
            break;
        if (!name->isEmpty())
            playlist.append(*name, *path);
    } while (!reader.atEnd());
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

Playlist PlaylistFile::load(const QString& path)
{
    std::optional<QuotedFieldReader> reader = QuotedFieldReader::open(path);
    if (!reader)
        return {};
    return read(*reader);
}

Playlist PlaylistFile::parse(const QByteArray& bytes)
{
    QuotedFieldReader reader(bytes);
    return read(reader);
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
