#pragma once

#include <QString>

namespace vireo::address {

// A typed text as a query value: percent-encoded, so that "R&B" stays one value and a space
// cannot end the address early. Letters, digits and "-._~" are kept as typed.
QString queryValue(const QString& text);

// The web search engine's base + "/search?q=" + the text.
QString webSearch(const QString& text);

// The audio search service's base + "/Search/Search.phtml?query=" + the text +
// "&index=audio&protocol=all&x=16&y=15".
QString mp3Search(const QString& text);

// "aim:goim?screenname=" + the screen name + "&message=" + the message. An empty screen name
// still makes an address.
QString instantMessage(const QString& screenName, const QString& message);

} // namespace vireo::address
