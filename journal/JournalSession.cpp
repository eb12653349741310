#include "journal/JournalSession.h"

#include "platform/Logging.h"

namespace vireo {

JournalEntries::ReadResult JournalSession::openToday()
{
    currentName_ = entries_.entryName(today_);
    title_ = entries_.todayTitle(today_);
    return read();
}

JournalEntries::ReadResult JournalSession::openEntry(const QString& name)
{
    currentName_ = name;
    title_ = JournalEntries::listTitle(name);
    return read();
}

JournalEntries::ReadResult JournalSession::read()
{
    JournalEntries::ReadResult result = entries_.read(currentName_);
    writable_ = result.status != JournalEntries::ReadStatus::Unreadable;
    return result;
}

bool JournalSession::save(const QByteArray& rtf) const
{
    if (!writable_) {
        qCWarning(lcFiles) << "not saved over an entry that could not be read:" << currentName_;
        return false;
    }
    return entries_.write(currentName_, rtf);
}

} // namespace vireo
