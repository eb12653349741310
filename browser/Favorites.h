#pragma once

#include "browser/LinkList.h"

#include <QList>
#include <QObject>
#include <QString>

namespace vireo {

// The program's one favourites list, shared by every browser window and the Organize Favorites
// window, kept in a quoted-field file of two lines a favourite (title, then address). Additions
// are written at once; renames and deletions when `savebook` is next called. Every change
// emits `changed`, after which the windows show the list anew.
class Favorites : public QObject {
    Q_OBJECT
public:
    // Entries are numbered by a 16-bit count in the file's original program: this many at most.
    static constexpr qsizetype capacity = 32768;

    explicit Favorites(QString path, QObject* parent = nullptr);

    // The favourites file this list is written to.
    QString path() const { return path_; }
    // True once the list has been read from a file.
    bool isRead() const { return read_; }

    const QList<Link>& entries() const { return entries_; }
    qsizetype size() const { return entries_.size(); }

    // Replaces the list with the favourites of the file at `path`: those with a title, in order,
    // up to `capacity`. A missing or unreadable file gives the empty list.
    void addbooks(const QString& path);
    // Writes the list to the file (replacing it only when the whole list was written), then
    // reads it back, so an entry with an empty title is gone. False when the file could not be
    // written: the list is then what the old file holds.
    bool savebook();

    // Appends a favourite and writes the list. False, with nothing added, when the list is full.
    bool add(const QString& title, const QString& address);
    // Kept in memory until the next savebook.
    void rename(qsizetype index, const QString& title);
    void remove(qsizetype index);

Q_SIGNALS:
    void changed();

private:
    QString path_;
    QList<Link> entries_;
    bool read_ = false;
};

} // namespace vireo
