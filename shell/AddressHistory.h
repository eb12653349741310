#pragma once

#include <QString>

namespace vireo {

class ComboBoxView;

// The URL history: the address box's list, in file order followed by the addresses entered
// in this run.
class AddressHistory {
public:
    // Looks for `text` among the entries from index 0 up to and including the count; the
    // index one past the last entry reads as the empty text, so the empty text is always
    // listed. Case matters.
    static bool isListed(const ComboBoxView& box, const QString& text);

    // Appends `text` when it is not listed. True when it was appended.
    static bool add(ComboBoxView& box, const QString& text);
};

} // namespace vireo
