#pragma once

#include <QColor>
#include <QPixmap>

namespace vireo {

// The journal's picture buttons, drawn rather than shipped so they stay sharp at any size.
class JournalArt {
public:
    enum class Picture { Save, Clear, Open, Copy, Cut, Paste, Print, TimeStamp, Encryption, Help };

    // The colours of the window: a paper page on a soft blue desk.
    static QColor desk() { return QColor(0xdc, 0xe6, 0xf2); }
    static QColor ink() { return QColor(0x24, 0x3b, 0x5c); }
    static QColor accent() { return QColor(0xd2, 0x6a, 0x2e); }

    static QPixmap picture(Picture picture, int size);
};

} // namespace vireo
