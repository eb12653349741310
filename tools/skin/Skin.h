// Drawing routines for the skin bitmaps of the master window.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace skin {

// Colour behind everything in the navigation bar and the status strip.
inline const QColor kBarBackground{0x1d, 0x3b, 0x45};

struct Bitmap {
    QString name; // file name without the extension
    QImage image;
    enum class Stretch { None, Horizontal, Vertical } stretch = Stretch::None;
};

// The frame pieces of the navigation bar, the window sides and the status strip.
std::vector<Bitmap> framePieces();
// The twelve buttons in their normal and pressed forms, and the locked music button.
std::vector<Bitmap> buttonFaces();
// The four frames of the busy animation.
std::vector<Bitmap> bumperFrames();

// Composes a mock master window out of the bitmaps found in dir, for looking at the artwork
// as the program would lay it out. Returns a null image if a bitmap is missing.
QImage mockup(const QString& dir);

} // namespace skin
