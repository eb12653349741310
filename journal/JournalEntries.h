#pragma once

#include "platform/ProgramFolder.h"

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace vireo {

// The journal's entries: one file a day in the program folder, named by its date
// ("2000 Jan 5.vjf"), holding the entry as Rich Text Format. The month is the locale's
// abbreviated name.
class JournalEntries {
public:
    explicit JournalEntries(ProgramFolder folder, QLocale locale = QLocale())
        : folder_(std::move(folder)), locale_(std::move(locale))
    {
    }

    // Larger files are not opened as entries: laying out that much text would hold the window
    // for minutes. A day's entry of typed text stays far below it.
    static constexpr qint64 maxEntryBytes = 4 * 1024 * 1024;

    // "yyyy mmm d.vjf": the entry of `date`.
    QString entryName(QDate date) const;
    // "My Thoughts for yyyy - mmm - d": the title of today's entry when the window opens.
    QString todayTitle(QDate today) const;
    // "My Thoughts for: " and the name without its last four characters: the title of an entry
    // opened from the list.
    static QString listTitle(const QString& name);

    // The names of the entry files ("*.vjf"), in name order.
    QStringList list() const;

    // The native path of an entry.
    QString path(const QString& name) const;

    enum class ReadStatus {
        Read,       // `bytes` holds the file
        Missing,    // no such file: an entry not written yet
        Unreadable, // not a regular file, too large, or the read failed (logged)
    };
    struct ReadResult {
        ReadStatus status;
        QByteArray bytes;
    };
    ReadResult read(const QString& name) const;

    // Replaces the entry's file with `bytes` as a whole; a failed write leaves the old file.
    // False when it could not be written (logged).
    bool write(const QString& name, const QByteArray& bytes) const;

    const ProgramFolder& folder() const { return folder_; }

private:
    ProgramFolder folder_;
    QLocale locale_;
};

} // namespace vireo
