#include "shell/ServiceAddresses.h"

#include "shell/ProductSite.h"

#include <QUrl>

namespace vireo::address {

QString queryValue(const QString& text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QString webSearch(const QString& text)
{
    return site::webSearchBase() + QStringLiteral("/search?q=") + queryValue(text);
}

QString mp3Search(const QString& text)
{
    return site::audioSearchBase() + QStringLiteral("/Search/Search.phtml?query=") +
           queryValue(text) + QStringLiteral("&index=audio&protocol=all&x=16&y=15");
}

QString instantMessage(const QString& screenName, const QString& message)
{
    return QStringLiteral("aim:goim?screenname=") + queryValue(screenName) +
           QStringLiteral("&message=") + queryValue(message);
}

} // namespace vireo::address
