#pragma once

class QPushButton;
class QWidget;

namespace vireo {

// Makes `button` the default button of `panel`, as OK is in a dialog: Return or Enter typed in
// a control of the panel that does not take the key itself (a one-line box passes it on)
// presses the button. A push button of the panel that has the focus takes the key for itself,
// as in a dialog. Panels that are not dialogs (the configuration window's panels, the IM
// panel) get a dialog's behaviour this way.
void setDefaultButton(QWidget* panel, QPushButton* button);

} // namespace vireo
