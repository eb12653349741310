#include "shell/PrefixIndex.h"

#include <algorithm>
#include <climits>

namespace vireo {

namespace {

// Appended entries are searched one by one until there are this many; then they are sorted in.
constexpr qsizetype tailLimit = 512;

} // namespace

void PrefixIndex::reset(const QStringList& entries)
{
    folded_.clear();
    folded_.reserve(entries.size());
    exact_.clear();
    exact_.reserve(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        folded_.push_back(entries[i].toCaseFolded());
        if (!exact_.contains(entries[i]))
            exact_.insert(entries[i], int(i));
    }
    rebuild();
}

void PrefixIndex::append(const QString& entry)
{
    const int index = int(folded_.size());
    folded_.push_back(entry.toCaseFolded());
    if (!exact_.contains(entry))
        exact_.insert(entry, index);
    if (size() - sortedCount_ > std::max(tailLimit, sortedCount_ / 8))
        rebuild();
}

void PrefixIndex::rebuild()
{
    const qsizetype n = size();
    sorted_.resize(n);
    for (qsizetype i = 0; i < n; ++i)
        sorted_[i] = int(i);
    std::sort(sorted_.begin(), sorted_.end(), [this](int a, int b) {
        const int c = QStringView(folded_[a]).compare(QStringView(folded_[b]));
        return c < 0 || (c == 0 && a < b);
    });
    smallest_.assign(2 * n, INT_MAX);
    for (qsizetype i = 0; i < n; ++i)
        smallest_[n + i] = sorted_[i];
    for (qsizetype i = n - 1; i > 0; --i)
        smallest_[i] = std::min(smallest_[2 * i], smallest_[2 * i + 1]);
    sortedCount_ = n;
}

// Smallest list index among sorted positions [from, to).
int PrefixIndex::smallestIndex(qsizetype from, qsizetype to) const
{
    int best = INT_MAX;
    for (from += sortedCount_, to += sortedCount_; from < to; from /= 2, to /= 2) {
        if (from & 1)
            best = std::min(best, smallest_[from++]);
        if (to & 1)
            best = std::min(best, smallest_[--to]);
    }
    return best;
}

int PrefixIndex::findFirst(const QString& prefix) const
{
    const QString key = prefix.toCaseFolded();
    const auto begin = sorted_.begin();
    const auto end = sorted_.begin() + sortedCount_;
    // Entries that begin with the key follow one another in the sorted order, from the first
    // one not less than the key.
    const auto first = std::lower_bound(begin, end, key, [this](int entry, const QString& k) {
        return QStringView(folded_[entry]).compare(k) < 0;
    });
    const auto last = std::partition_point(
        first, end, [this, &key](int entry) { return folded_[entry].startsWith(key); });
    if (first != last)
        return smallestIndex(first - begin, last - begin);
    for (qsizetype i = sortedCount_; i < size(); ++i) {
        if (folded_[i].startsWith(key))
            return int(i);
    }
    return -1;
}

int PrefixIndex::findExact(const QString& text) const
{
    return exact_.value(text, -1);
}

} // namespace vireo
