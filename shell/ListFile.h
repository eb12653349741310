#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace vireo {

// A list kept on disk as a quoted-field file with one entry per line: the URL history and
// the browsing log.
class ListFile {
public:
    using EntryAt = std::function<QString(qsizetype)>;

    // Every non-empty field, in file order. A missing or unreadable file gives no entries.
    static QStringList read(const QString& path);
    static QStringList parse(const QByteArray& content);

    // Entries [from, to) as the file holds them.
    static QByteArray bytes(qsizetype from, qsizetype to, const EntryAt& entryAt);

    // Replaces the file with the `count` entries as a whole; a failed write leaves the old
    // file. False when it could not be written.
    static bool write(const QString& path, qsizetype count, const EntryAt& entryAt);
};

} // namespace vireo
