#pragma once

class QWidget;

namespace vireo {

// Lets the user drag a borderless window: the windowing system moves the window with the
// mouse until the button is released. Call it from a mouse-press handler. False when the
// windowing system cannot (no window manager that supports it); the caller may then move the
// window itself.
bool dragwindow(QWidget* window);

} // namespace vireo
