#include "player/Playlist.h"

namespace vireo {

void Playlist::append(const QString& name, const QString& path)
{
    names_.append(name);
    paths_.append(path);
}

bool Playlist::removeAt(qsizetype i)
{
    if (i < 0 || i >= size())
        return false;
    paths_.removeAt(i);
    names_.removeAt(i);
    return true;
}

void Playlist::clear()
{
    names_.clear();
    paths_.clear();
}

void Playlist::reserve(qsizetype n)
{
    names_.reserve(n);
    paths_.reserve(n);
}

QString Playlist::displayName(const QString& artist, const QString& title, const QString& path)
{
    if (artist.isEmpty())
        return path;
    return artist + QStringLiteral(" - ") + title;
}

} // namespace vireo
