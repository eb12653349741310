// A mock master window put together from the written bitmaps the way the program lays them out:
// corners at their own size, edges stretched between them.

#include "Skin.h"

#include <QDir>
#include <QFont>
#include <QPainter>

#include <map>

namespace skin {

QImage mockup(const QString& dir)
{
    std::map<QString, QImage> img;
    const QStringList names = QDir(dir).entryList({QStringLiteral("*.bmp")}, QDir::Files);
    for (const QString& file : names)
        img[file.chopped(4)] = QImage(QDir(dir).filePath(file));
    auto get = [&](const char* name) -> const QImage& { return img[QString::fromLatin1(name)]; };
    for (const char* needed :
         {"topleft", "topright", "topbar", "sidebar", "rightbar", "midleft", "midright", "midbar",
          "leftbar", "leftbot", "rightbot", "botbar", "bumper3"})
        if (get(needed).isNull())
            return {};

    constexpr int w = 600;
    constexpr int h = 260;
    constexpr int nav = 72;
    constexpr int strip = 15;
    QImage out(w, h, QImage::Format_RGB32);
    out.fill(kBarBackground);
    QPainter p(&out);
    auto stretch = [&](const char* name, int x, int y, int sw, int sh) {
        p.drawImage(QRect(x, y, sw, sh), get(name));
    };
    auto at = [&](const char* name, int x, int y) { p.drawImage(x, y, get(name)); };

    // Navigation bar.
    at("topleft", 0, 0);
    at("topright", w - 17, 0);
    stretch("topbar", 17, 0, w - 34, 5);
    stretch("sidebar", 0, 18, 6, nav - 38);
    stretch("rightbar", w - 6, 18, 6, nav - 38);
    at("midleft", 0, nav - 20);
    at("midright", w - 15, nav - 20);
    stretch("midbar", 15, nav - 10, w - 30, 10);

    // Page, then the status strip along the bottom with the bottom pieces at its top, where the
    // program lays them (the status text runs under them).
    const int stripTop = h - strip;
    stretch("leftbar", 0, nav, 7, stripTop - nav);
    stretch("rightbar", w - 6, nav, 6, stripTop - nav);
    p.fillRect(QRect(7, nav, w - 13, stripTop - nav), QColor(0xf4, 0xf6, 0xf2));
    at("leftbot", 1, stripTop);
    stretch("botbar", 7, stripTop, w - 14, 7);
    at("rightbot", w - 8, stripTop);
    p.setPen(QColor(0xd8, 0xe8, 0xe4));
    QFont status = p.font();
    status.setPixelSize(11);
    p.setFont(status);
    p.drawText(QRect(128, stripTop + 1, 300, 13), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Opening page https://www.example.org/gallery..."));

    // Buttons: browser commands, then the launchers, then the busy animation on the right.
    int x = 14;
    const int y = 20;
    for (const char* name : {"back", "foward", "stop", "refresh_down", "home"}) {
        at(name, x, y);
        x += 36;
    }
    x += 18;
    for (const char* name :
         {"webbrowser", "journal", "phonebook", "homeworkhelp", "mp3", "search", "teenrights"}) {
        at(name, x, y);
        x += 36;
    }
    at("bumper3", w - 6 - 10 - 37, 13);
    p.end();
    return out;
}

} // namespace skin
