#pragma once

#include "journal/JournalEntries.h"

#include <QDate>
#include <QString>

namespace vireo {

// Which entry the journal window edits and the title it shows. The window opens on the entry
// of `today`, the day the program started, however long it runs; every save and clear goes to
// the current entry's file.
class JournalSession {
public:
    JournalSession(JournalEntries entries, QDate today)
        : entries_(std::move(entries)), today_(today)
    {
    }

    // Makes today's entry the current one, titled "My Thoughts for yyyy - mmm - d", and reads it
    // (Missing when not written yet: the editor starts empty and the first save creates it).
    JournalEntries::ReadResult openToday();
    // Makes an entry of the list the current one, titled "My Thoughts for: " and its date text,
    // and reads it.
    JournalEntries::ReadResult openEntry(const QString& name);
    // Writes the current entry's file whole. False when it could not be written, or when the
    // entry's file is there but could not be read: what it holds is not overwritten.
    bool save(const QByteArray& rtf) const;

    QString currentName() const { return currentName_; }
    QString title() const { return title_; }
    const JournalEntries& entries() const { return entries_; }

private:
    JournalEntries::ReadResult read();

    JournalEntries entries_;
    QDate today_;
    QString currentName_;
    QString title_;
    bool writable_ = false;
};

} // namespace vireo
