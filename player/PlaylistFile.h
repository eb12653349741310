#pragma once

#include "player/Playlist.h"

#include <QByteArray>
#include <QString>

namespace vireo {

// Playlist files (".vr3"): for each entry a line with the quoted display name and a line
// with the quoted file path; no header, no count.
class PlaylistFile {
public:
    // The file's entries. Fields are taken in pairs: a pair with an empty name is skipped, a
    // last name without its path is dropped. A missing or unreadable file gives no entries.
    static Playlist load(const QString& path);
    static Playlist parse(const QByteArray& bytes);

    static QByteArray serialise(const Playlist& playlist);
    // Replaces the file as a whole; on failure the old file stays. False when it failed.
    static bool save(const QString& path, const Playlist& playlist);

    // The carry-over file in the program folder, kept from one use of the player to the next.
    static QString carryOverName() { return QStringLiteral("\\blank.vr3"); }
};

} // namespace vireo
