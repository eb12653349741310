#include "browser/LinkList.h"

#include "platform/Logging.h"
#include "shell/QuotedFieldReader.h"

#include <QFileInfo>

namespace vireo {

namespace {

QList<Link> pairsOf(QuotedFieldReader& reader)
{
    QList<Link> links;
    while (!reader.atEnd()) {
        const auto name = reader.readField();
        const auto target = reader.readField();
        // A name at the very end has no address to open: nothing to offer.
        if (!name || !target)
            break;
        if (!name->isEmpty())
            links.append({*name, *target});
    }
    return links;
}

} // namespace

QList<Link> LinkList::read(const QString& path)
{
    // Opening a named pipe would wait for a writer for ever.
    if (!QFileInfo(path).isFile()) {
        qCWarning(lcFiles) << "cannot read" << path << "missing or not a regular file";
        return {};
    }
    auto reader = QuotedFieldReader::open(path);
    if (!reader)
        return {};
    return pairsOf(*reader);
}

QList<Link> LinkList::parse(const QByteArray& bytes)
{
    QuotedFieldReader reader(bytes);
    return pairsOf(reader);
}

} // namespace vireo
