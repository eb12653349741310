#pragma once

#include <QString>
#include <QStringList>

namespace vireo {

// The songs of the player: display names and file paths, always the same length and order;
// entry i is names()[i] played from paths()[i]. Duplicates are allowed.
class Playlist {
public:
    qsizetype size() const { return names_.size(); }
    bool isEmpty() const { return names_.isEmpty(); }
    const QStringList& names() const { return names_; }
    const QStringList& paths() const { return paths_; }

    void append(const QString& name, const QString& path);
    // False when there is no entry i.
    bool removeAt(qsizetype i);
    void clear();
    void reserve(qsizetype n);

    // What the list shows for a song: "Artist - Title" when the tag names an artist,
    // otherwise the full path.
    static QString displayName(const QString& artist, const QString& title, const QString& path);

    bool operator==(const Playlist&) const = default;

private:
    QStringList names_;
    QStringList paths_;
};

} // namespace vireo
