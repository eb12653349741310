#include "platform/PageAddress.h"

#include "shell/ServiceAddresses.h"

#include <QRegularExpression>

namespace vireo {

namespace {

bool engineScheme(const QString& scheme)
{
    static const char* const schemes[] = {"http", "https", "file",        "about", "data",
                                          "blob", "ftp",   "view-source", "qrc"};
    for (const char* s : schemes) {
        if (scheme == QLatin1String(s))
            return true;
    }
    return false;
}

// "example.com", "www.example.com/x", "localhost", "intranet/page", "10.0.0.1:80": a text
// whose host part (up to the first "/", "?" or "#") holds no blank and that has a dot or a
// port in it, names the local host, or goes on with a path.
bool looksLikeAnAddress(const QString& typed)
{
    static const QRegularExpression hostEnd(QStringLiteral("[/?#]"));
    const qsizetype end = typed.indexOf(hostEnd);
    const QString host = end < 0 ? typed : typed.first(end);
    if (host.isEmpty() || host.contains(QRegularExpression(QStringLiteral("\\s"))))
        return false;
    return host.contains(QLatin1Char('.')) || host.contains(QLatin1Char(':')) ||
           host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 ||
           (end >= 0 && typed.at(end) == QLatin1Char('/'));
}

} // namespace

PageAddress PageAddress::resolve(const QString& text)
{
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return {};
    // "name:" at the start is a scheme unless what follows is a port ("localhost:8080/x") or
    // the name is a host name with dots ("www.example.com:8080").
    static const QRegularExpression schemePattern(
        QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*):(.*)$"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression portPattern(QStringLiteral("^[0-9]+(/.*)?$"),
                                                QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = schemePattern.match(typed);
    if (m.hasMatch() && !typed.startsWith(QLatin1Char('/'))) {
        const QString scheme = m.captured(1).toLower();
        const bool hostAndPort =
            scheme.contains(QLatin1Char('.')) || portPattern.match(m.captured(2)).hasMatch();
        if (!hostAndPort && !engineScheme(scheme))
            return {Kind::External, QUrl(typed, QUrl::TolerantMode)};
    }
    if (!typed.startsWith(QLatin1Char('/')) && !looksLikeAnAddress(typed))
        return {Kind::Engine, QUrl(address::webSearch(typed), QUrl::StrictMode)};
    const QUrl url = QUrl::fromUserInput(typed);
    if (!url.isValid())
        return {Kind::Engine, QUrl(address::webSearch(typed), QUrl::StrictMode)};
    return {Kind::Engine, url};
}

} // namespace vireo
