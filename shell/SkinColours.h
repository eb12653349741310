#pragma once

#include <QColor>

namespace vireo::skin {

// A colour as the program's settings and designs write it: &H00BBGGRR, blue in the high byte.
inline QColor fromBgr(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

// The colours of the master window's skin. The skin bitmaps are drawn on barBackground
// (tools/skin uses the same value), so strips and panels of that colour meet them seamlessly.
inline QColor barBackground()
{
    return QColor(0x1d, 0x3b, 0x45);
}
inline QColor barText()
{
    return QColor(0xe8, 0xf1, 0xf2);
}
inline QColor childArea()
{
    return QColor(0x5a, 0x6e, 0x75);
}
inline QColor captionBackground()
{
    return QColor(0x0f, 0x24, 0x2b);
}

} // namespace vireo::skin
