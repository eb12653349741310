#include "shell/BrowsingLog.h"

#include "platform/Logging.h"
#include "platform/RegularFile.h"

#include "shell/QuotedFieldWriter.h"

#include <QFile>
#include <sys/stat.h>

namespace vireo {

std::optional<BrowsingLog::FileState> BrowsingLog::fileState() const
{
    struct stat st;
    if (::stat(QFile::encodeName(path_).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    FileState state;
    state.size = st.st_size;
    state.device = st.st_dev;
    state.inode = st.st_ino;
    state.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return state;
}

void BrowsingLog::remember(qsizetype count)
{
    const auto state = fileState();
    if (state)
        written_ = Written{count, *state};
    else
        written_.reset();
}

QStringList BrowsingLog::read()
{
    read_.reset();
    const auto before = fileState();
    if (!before) {
        qCWarning(lcFiles) << "cannot read" << path_ << "missing or not a regular file";
        return {};
    }
    const std::optional<QByteArray> read = readRegularFile(path_);
    if (!read)
        return {};
    const QByteArray& content = *read;
    QStringList entries = ListFile::parse(content);
    // A file of the old encoding, with empty lines or in another form is rewritten by the first
    // write; one that is already what a write gives is only appended to.
    const auto entryAt = [&entries](qsizetype i) { return entries.at(i); };
    if (fileState() == before && ListFile::bytes(0, entries.size(), entryAt) == content)
        read_ = Written{entries.size(), *before};
    return entries;
}

void BrowsingLog::loaded(qsizetype count)
{
    if (read_ && read_->count == count)
        written_ = read_;
    read_.reset();
}

void BrowsingLog::changedFrom(qsizetype index)
{
    if (written_ && index < written_->count)
        written_.reset();
}

bool BrowsingLog::rewrite(qsizetype count, const ListFile::EntryAt& entryAt)
{
    if (!ListFile::write(path_, count, entryAt)) {
        written_.reset();
        lastWrite_ = Write::Failed;
        return false;
    }
    remember(count);
    lastWrite_ = Write::Rewritten;
    return true;
}

bool BrowsingLog::write(qsizetype count, const ListFile::EntryAt& entryAt)
{
    if (!written_ || count < written_->count || fileState() != written_->file)
        return rewrite(count, entryAt);
    if (count == written_->count) {
        lastWrite_ = Write::Unchanged;
        return true;
    }
    QuotedFieldWriter writer;
    for (qsizetype i = written_->count; i < count; ++i)
        writer.writeText(entryAt(i));
    // An entry holding a quote changes the file's form, which only a rewrite can do.
    if (writer.needsNewFormMark())
        return rewrite(count, entryAt);
    if (!writer.appendTo(path_)) {
        written_.reset();
        lastWrite_ = Write::Failed;
        return false;
    }
    remember(count);
    lastWrite_ = Write::Appended;
    return true;
}

} // namespace vireo
