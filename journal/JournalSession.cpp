#include "journal/JournalSession.h"

namespace vireo {

JournalEntries::ReadResult JournalSession::openToday()
{
    currentName_ = entries_.entryName(today_);
    title_ = entries_.todayTitle(today_);
    return entries_.read(currentName_);
}

JournalEntries::ReadResult JournalSession::openEntry(const QString& name)
{
    currentName_ = name;
    title_ = JournalEntries::listTitle(name);
    return entries_.read(name);
}

bool JournalSession::save(const QByteArray& rtf) const
{
    return entries_.write(currentName_, rtf);
}

} // namespace vireo
