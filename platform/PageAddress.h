#pragma once

#include <QString>
#include <QUrl>

namespace vireo {

// What the page component makes of a text typed or stored as an address.
struct PageAddress {
    enum class Kind {
        None,    // empty text: the page stays as it is
        Engine,  // shown by the page engine (web, local file, about:...)
        External // another scheme ("aim:", "mailto:"...): handed to the desktop's handler
    };
    Kind kind = Kind::None;
    QUrl url;

    // A full address, a partial one ("example.com", "localhost:8080/x"), an absolute local
    // path, or an address of another scheme. Any other text ("rock bands & R&B", "weather") is
    // what the user wants searched for: it becomes the web search for that text.
    static PageAddress resolve(const QString& text);
};

} // namespace vireo
