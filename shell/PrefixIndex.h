#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace vireo {

// Finds list entries by case-insensitive prefix and by exact text without walking the list,
// so completion stays quick however long the URL history grows. Entries are found as a
// front-to-back search finds them: the lowest index wins.
class PrefixIndex {
public:
    void reset(const QStringList& entries);
    void append(const QString& entry);
    qsizetype size() const { return qsizetype(folded_.size()); }

    // Index of the first entry that begins with `prefix` ignoring case, or -1. Every entry
    // begins with the empty text.
    int findFirst(const QString& prefix) const;
    // Index of the first entry equal to `text`, or -1.
    int findExact(const QString& text) const;

private:
    void rebuild();
    int smallestIndex(qsizetype from, qsizetype to) const;

    std::vector<QString> folded_; // by list index
    // Entries 0 .. sorted_.size() - 1 ordered by folded text, then index; with a segment tree
    // holding the smallest list index of each span of that order.
    std::vector<int> sorted_;
    std::vector<int> smallest_;
    // Entries appended since the last rebuild: all have higher indices than the sorted ones,
    // so they are looked at only when no sorted entry matches.
    qsizetype sortedCount_ = 0;
    QHash<QString, int> exact_;
};

} // namespace vireo
