#pragma once

#include <QString>

namespace vireo {

// What the address box's completion and its URL history need of a combo box: its list, its
// edit text and the selection in that text. The master window's combo boxes provide it
// through ComboBoxAdapter; tests use a box held in memory.
class ComboBoxView {
public:
    virtual ~ComboBoxView() = default;

    virtual int count() const = 0;
    virtual QString itemText(int index) const = 0;
    virtual void addItem(const QString& text) = 0;

    virtual QString text() const = 0;
    // Both raise the box's change event when the text changes, as typing does.
    virtual void setText(const QString& text) = 0;
    // The entry becomes the selected list entry and the text.
    virtual void selectItem(int index) = 0;
    // No list entry is selected any more; the text stays as it is.
    virtual void clearItemSelection() = 0;
    // Caret after `start` characters with the following `length` characters selected.
    virtual void selectText(int start, int length) = 0;

    // The first entry, in list order, that begins with `prefix` ignoring case, as the
    // combo box's find-string request searching from the top; -1 when none does.
    virtual int findPrefix(const QString& prefix) const = 0;
    // The first entry equal to `text`, case and all; -1 when none is.
    virtual int findExact(const QString& text) const = 0;
};

} // namespace vireo
