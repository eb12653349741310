#pragma once

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

    static QColor cyan() { return QColor(0x80, 0xFF, 0xFF); } // &HFFFF80
    static QColor red() { return QColor(0xFF, 0x00, 0x00); }  // &HFF
    static QColor buttonFace() { return QColor(0xF0, 0xF0, 0xF0); }
    static QColor background() { return QColor(0x16, 0x1c, 0x24); }
    static QColor panel() { return QColor(0x06, 0x0b, 0x10); }
    static QColor strip() { return QColor(0x0e, 0x3a, 0x4a); }

    static QPixmap button(Glyph glyph, QSize size);
};

} // namespace vireo
