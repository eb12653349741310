#pragma once

#include "shell/SkinColours.h"

#include <QColor>
#include <QPixmap>

namespace vireo {

// The player's colours and its button pictures, drawn rather than shipped so they stay sharp.
class PlayerArt {
public:
    enum class Glyph {
        Play,
        Pause,
        Stop,
        Next,
        Back,
        RandomNext,
        Load,
        Minimise,
        Close,
        Playlist,
        Fold
    };

    // The two colours the player's design names: light cyan and red.
    static QColor cyan() { return skin::fromBgr(0xFFFF80); }
    static QColor red() { return skin::fromBgr(0xFF); }
    // The system's button face (&H8000000F), as a light desktop draws it.
    static QColor buttonFace() { return QColor(0xF0, 0xF0, 0xF0); }
    // The window's own dark skin.
    static QColor background() { return QColor(0x16, 0x1c, 0x24); }
    static QColor panel() { return QColor(0x06, 0x0b, 0x10); }
    static QColor strip() { return QColor(0x0e, 0x3a, 0x4a); }
    static QColor highlight() { return QColor(0x1f, 0x6e, 0x80); }
    static QColor button() { return QColor(0x22, 0x2c, 0x38); }

    static QPixmap button(Glyph glyph, QSize size);
};

} // namespace vireo
