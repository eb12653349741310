#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vireo {

// The contact index and the contacts file, program folder + "\contacts.vpm": two quoted lines
// per contact, in list order, the display name and the contact's key (the phone book writes
// the name in both). The index keeps entries in the order they were added; nothing sorts them.
// Beside it, the two lists the window shows: the names (visible) and the keys (hidden), always
// of the same length and order.
class ContactIndex {
public:
    struct Entry {
        QString name;
        QString key;
        bool operator==(const Entry&) const = default;
    };

    // Both lists from the file, every pair whose name is not empty; then addbooks. A missing
    // file, or one that is not a regular file, gives empty lists.
    void addlinks(const QString& path);
    // The index from the file, read the same way.
    void addbooks(const QString& path);
    // Rewrites the file from the index as a whole; false when it could not be written (the
    // old file stays).
    bool savebook(const QString& path) const;

    // Appends (name, name) to the index.
    void append(const QString& name);
    // Takes position `position` out of the index and out of both lists.
    void removeAt(int position);
    // Both lists made again from the index, for when the file could not be read back.
    void listIndex();

    const QStringList& names() const { return names_; }
    const QStringList& keys() const { return keys_; }
    const QList<Entry>& entries() const { return entries_; }
    // The position of the last entry, -1 when there is none.
    int count() const { return static_cast<int>(entries_.size()) - 1; }

private:
    static QList<Entry> read(const QString& path);

    QList<Entry> entries_;
    QStringList names_;
    QStringList keys_;
};

} // namespace vireo
