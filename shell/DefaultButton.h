#pragma once

#include <functional>

class QAbstractButton;
class QWidget;

namespace vireo {

// Makes `button` the default button of `panel`, as OK is in a dialog: Return or Enter typed in
// a control of the panel that does not take the key itself (a one-line box passes it on)
// presses the button. A push button or tool button of the panel that has the focus takes the
// key for itself, as in a dialog. Panels that are not dialogs (the configuration window's
// panels, the IM panel) get a dialog's behaviour this way. A push button shows as the default.
void setDefaultButton(QWidget* panel, QAbstractButton* button);

// Escape typed in a control of `panel` that does not take the key itself (an open list or an
// item being renamed does) runs `action`, as Cancel does in a dialog.
void setEscapeAction(QWidget* panel, std::function<void()> action);

} // namespace vireo
