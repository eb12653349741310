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
    // `whole`, when given, tells whether the playlist holds all the file held, so that saving
    // it back loses nothing: false when the file is there but unreadable, text was skipped, a
    // quote was left open or a pair was dropped; true for a missing file.
    static Playlist load(const QString& path, bool* whole = nullptr);
    static Playlist parse(const QByteArray& bytes, bool* whole = nullptr);

    static QByteArray serialise(const Playlist& playlist);
    // Replaces the file as a whole; on failure the old file stays. False when it failed.
    static bool save(const QString& path, const Playlist& playlist);

    // The carry-over file in the program folder, kept from one use of the player to the next.
    static QString carryOverName() { return QStringLiteral("\\blank.vr3"); }
};

} // namespace vireo
