#pragma once

namespace vireo {

class ComboBoxView;

// Completion of the address box from its list while the teen types. `lastkey` is set by the
// box's key-down handler; the change handler calls autocomplete().
class AutoComplete {
public:
    static constexpr int keyBackspace = 8;
    static constexpr int keyEnter = 13;
    static constexpr int keyDelete = 46;

    // True while a completion runs: the change events it raises itself return at once.
    bool busy = false;
    // Length of the text the teen typed, before the completed part.
    int lastlength = 0;
    // Key code of the last key pressed in the box.
    int lastkey = 0;

    // Completes the box's text from the first list entry that begins with it and selects
    // the completed part, so typing on replaces it. True when an entry was found.
    bool autocomplete(ComboBoxView& box);
};

} // namespace vireo
