#pragma once

#include <QString>

namespace vireo {

// What the transport needs of the playlist (the playlist's List2 and List3): the window's two
// parallel lists, or a table in tests.
class TransportPlaylist {
public:
    virtual ~TransportPlaylist() = default;
    virtual int count() const = 0;
    // The current entry, -1 when none is selected.
    virtual int selectedIndex() const = 0;
    // Selects entry i in both lists; an index outside the playlist changes nothing.
    virtual void select(int i) = 0;
    // The file path of entry i (List3's item i); empty outside the playlist.
    virtual QString path(int i) const = 0;
};

} // namespace vireo
