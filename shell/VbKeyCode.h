#pragma once

namespace vireo {

// The key code a key-down handler sees for a Qt key: 8 Backspace, 13 Enter, 46 Delete,
// the upper-case letter or the digit for letter and digit keys. 0 for keys without one.
int vbKeyCode(int qtKey);

} // namespace vireo
