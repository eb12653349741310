#include "platform/PageAddress.h"

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
    const QUrl url = QUrl::fromUserInput(typed);
    if (!url.isValid())
        return {};
    return {Kind::Engine, url};
}

} // namespace vireo
