#pragma once

#include <QIcon>
#include <QPixmap>

namespace vireo {

// The phone book's pictures, drawn rather than shipped so they stay sharp at any scale: the
// command buttons' icons and the picture of a buddy who has none yet.
class PimArt {
public:
    enum class Glyph { New, Save, Trash, Previous, Next, Print, Help };

    static QIcon icon(Glyph glyph);
    // A head-and-shoulders outline on a soft background, at the picture box's size.
    static QPixmap defaultPicture();

    // The picture box: 1500 by 2130 twips.
    static QSize pictureSize() { return {100, 142}; }

private:
    static QPixmap glyph(Glyph glyph, int size);
};

} // namespace vireo
