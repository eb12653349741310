#pragma once

#include "shell/ListFile.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace vireo {

// The browsing log file. The log only grows while the program runs and is written on every
// status change of every page, so a write adds just the entries that are new since the last
// one. It rewrites the whole file when that cannot be trusted to give the same content: the
// first write of a run whose file is not what the list would give, a list changed other
// than at its end, or a file changed by someone else since our last write.
class BrowsingLog {
public:
    enum class Write { None, Unchanged, Appended, Rewritten, Failed };

    explicit BrowsingLog(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }

    // Reads the log's entries (every non-empty field).
    QStringList read();
    // The list now holds exactly what read() returned: when the file is just what a write of
    // it makes, the next write can append to it.
    void loaded(qsizetype count);

    // Entries from `index` on changed, moved or went away.
    void changedFrom(qsizetype index);

    // Brings the file to the list's `count` entries.
    bool write(qsizetype count, const ListFile::EntryAt& entryAt);

    Write lastWrite() const { return lastWrite_; }

private:
    struct FileState {
        qint64 size = 0;
        quint64 device = 0;
        quint64 inode = 0;
        qint64 modifiedNs = 0;
        bool operator==(const FileState&) const = default;
    };
    struct Written {
        qsizetype count = 0;
        FileState file;
    };

    std::optional<FileState> fileState() const;
    bool rewrite(qsizetype count, const ListFile::EntryAt& entryAt);
    void remember(qsizetype count);

    QString path_;
    std::optional<Written> written_;
    std::optional<Written> read_;
    Write lastWrite_ = Write::None;
};

} // namespace vireo
