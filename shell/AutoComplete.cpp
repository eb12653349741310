#include "shell/AutoComplete.h"

#include "shell/ComboBoxView.h"

namespace vireo {

bool AutoComplete::autocomplete(ComboBoxView& box)
{
    if (busy)
        return false;
    busy = true;

    if (lastkey == keyBackspace) {
        // The key took away the selected completion; take away the typed character too.
        if (lastlength == 0)
            lastlength = 1;
        box.setText(box.text().left(lastlength - 1));
        busy = false;
        return false;
    }
    if (lastkey == keyDelete) {
        busy = false;
        return false;
    }

    const QString typed = box.text();
    lastlength = int(typed.size());
    const int found = box.findPrefix(typed);
    if (found < 0) {
        // Keeps what was typed: only the list's selection goes.
        box.clearItemSelection();
        busy = false;
        return false;
    }
    box.selectItem(found);
    const int entryLength = int(box.text().size());
    box.selectText(lastlength, entryLength - lastlength);
    busy = false;
    return true;
}

} // namespace vireo
