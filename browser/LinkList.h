#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace vireo {

// One entry of a file of pairs: a display name and what it leads to (a web address, or the
// name of the next homework file).
struct Link {
    QString name;
    QString target;

    friend bool operator==(const Link&, const Link&) = default;
};

// The files of pairs in the quoted-field format: the link lists, the favourites and the homework
// directory. Fields are taken two at a time, display name first, whatever the line layout.
class LinkList {
public:
    // The file's pairs in file order. A pair whose name is empty is skipped with its partner;
    // a last name without a partner is dropped. A path that is missing, unreadable or not a
    // regular file (a folder, a named pipe) gives no pairs.
    static QList<Link> read(const QString& path);
    static QList<Link> parse(const QByteArray& bytes);
};

} // namespace vireo
