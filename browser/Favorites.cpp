#include "browser/Favorites.h"

#include "platform/Logging.h"
#include "shell/QuotedFieldWriter.h"

namespace vireo {

Favorites::Favorites(QString path, QObject* parent) : QObject(parent), path_(std::move(path)) {}

void Favorites::addbooks(const QString& path)
{
    entries_ = LinkList::read(path);
    if (entries_.size() > capacity) {
        qCWarning(lcFiles) << path << "holds" << entries_.size() << "favourites; the first"
                           << capacity << "are kept";
        entries_.resize(capacity);
    }
    read_ = true;
    Q_EMIT changed();
}

bool Favorites::savebook()
{
    QuotedFieldWriter writer;
    for (const Link& entry : std::as_const(entries_)) {
        writer.writeText(entry.name);
        writer.writeText(entry.target);
    }
    const bool written = writer.saveTo(path_);
    addbooks(path_);
    return written;
}

bool Favorites::add(const QString& title, const QString& address)
{
    if (entries_.size() >= capacity)
        return false;
    entries_.append({title, address});
    savebook();
    return true;
}

void Favorites::rename(qsizetype index, const QString& title)
{
    if (index < 0 || index >= entries_.size())
        return;
    entries_[index].name = title;
    Q_EMIT changed();
}

void Favorites::remove(qsizetype index)
{
    if (index < 0 || index >= entries_.size())
        return;
    entries_.removeAt(index);
    Q_EMIT changed();
}

} // namespace vireo
