#pragma once

#include <QString>

namespace vireo::site {

// Addresses on the product's own web site. The site's host is reserved for documentation, so
// a family can point the start page elsewhere from the options dialog.
inline QString startPage()
{
    return QStringLiteral("https://www.vireo.example/start/");
}
inline QString updatePage()
{
    return QStringLiteral("https://www.vireo.example/update/");
}
inline QString feedbackPage()
{
    return QStringLiteral("https://www.vireo.example/feedback/");
}

// The web search engine whose "/search?q=" the search panel uses; also the address box's
// text when the master window opens.
inline QString webSearchBase()
{
    return QStringLiteral("https://www.bing.com");
}

} // namespace vireo::site
