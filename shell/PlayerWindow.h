#pragma once

#include <QString>

namespace vireo {

// What other windows ask of the MP3 player window.
class PlayerWindow {
public:
    virtual ~PlayerWindow() = default;
    // Replaces the playlist with the entries of a playlist file.
    virtual void loadplaylist(const QString& path) = 0;
    // The path of the current playlist file (the hidden Text100 field).
    virtual void setPlaylistPath(const QString& path) = 0;
};

} // namespace vireo
