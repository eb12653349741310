#pragma once

#include <QString>

namespace vireo::site {

// Addresses on the product's own web site. The start page a first run stores is the local
// page "\start.html" of the program folder. The site does not exist yet: "&Update" and
// "&Feedback" open the local pages below instead of updatePage() and feedbackPage().
inline QString updatePage()
{
    return QStringLiteral("https://www.vireo.example/update/");
}
inline QString feedbackPage()
{
    return QStringLiteral("https://www.vireo.example/feedback/");
}

// Pages of the program folder: this version and how to update the installed package; how to
// report a problem and what to put in the report.
inline QString localUpdatePage()
{
    return QStringLiteral("\\update.html");
}
inline QString localFeedbackPage()
{
    return QStringLiteral("\\feedback.html");
}

// The web search engine whose "/search?q=" the search panel uses; also the address box's
// text when the master window opens.
inline QString webSearchBase()
{
    return QStringLiteral("https://www.bing.com");
}

// The audio search service whose "/Search/Search.phtml" the MP3 search panel uses: Freesound,
// the large open library of sounds and music.
inline QString audioSearchBase()
{
    return QStringLiteral("https://freesound.org");
}

// The home page of the instant-messenger service's provider (AOL, which ran AIM); the IM
// panel's title labels open it.
inline QString imHomePage()
{
    return QStringLiteral("https://www.aol.com");
}

} // namespace vireo::site
