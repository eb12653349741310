#include "phonebook/ContactIndex.h"

#include "platform/Logging.h"
#include "shell/QuotedFieldReader.h"
#include "shell/QuotedFieldWriter.h"

#include <QFileInfo>

namespace vireo {

QList<ContactIndex::Entry> ContactIndex::read(const QString& path)
{
    // A pipe in the file's place would never end; a folder cannot be read.
    if (!QFileInfo(path).isFile()) {
        qCWarning(lcFiles) << "cannot read" << path << "missing or not a regular file";
        return {};
    }
    std::optional<QuotedFieldReader> in = QuotedFieldReader::open(path);
    if (!in)
        return {};
    QList<Entry> pairs;
    while (!in->atEnd()) {
        const QString name = in->readField().value_or(QString());
        const QString key = in->atEnd() ? QString() : in->readField().value_or(QString());
        if (!name.isEmpty())
            pairs.append({name, key});
    }
    return pairs;
}

void ContactIndex::addlinks(const QString& path)
{
    names_.clear();
    keys_.clear();
    for (const Entry& pair : read(path)) {
        names_.append(pair.name);
        keys_.append(pair.key);
    }
    addbooks(path);
}

void ContactIndex::addbooks(const QString& path)
{
    entries_ = read(path);
}

bool ContactIndex::savebook(const QString& path) const
{
    QuotedFieldWriter out;
    for (const Entry& entry : entries_) {
        // An entry without a name would read back as nothing: it is left out.
        if (entry.name.isEmpty())
            continue;
        out.writeText(entry.name);
        out.writeText(entry.key);
    }
    return out.saveTo(path);
}

void ContactIndex::append(const QString& name)
{
    entries_.append({name, name});
}

void ContactIndex::removeAt(int position)
{
    if (position < 0)
        return;
    if (position < entries_.size())
        entries_.removeAt(position);
    if (position < names_.size()) {
        names_.removeAt(position);
        keys_.removeAt(position);
    }
}

void ContactIndex::listIndex()
{
    names_.clear();
    keys_.clear();
    for (const Entry& entry : entries_) {
        if (entry.name.isEmpty())
            continue;
        names_.append(entry.name);
        keys_.append(entry.key);
    }
}

} // namespace vireo
