#pragma once

#include <QLabel>

namespace vireo {

// A label that acts as a button, the base of the image buttons and the label buttons: it
// reports the mouse events the windows' commands hang on. Click follows a press and a release
// of the left button inside the label. A double-click reports MouseDown, MouseUp, Click,
// DblClick, MouseUp: its second press is the double-click and its release gives no second
// Click, so a command on Click runs once.
//
// A label that carries a command (something listens to its Click, MouseUp or DblClick) is a
// button for the keyboard and for screen readers as well: Tab reaches it (a mouse click does
// not take the focus), Space or Enter presses it, a focus frame shows while it has the focus,
// and assistive technologies see a push button with a Press action, named by its accessible
// name, else its text, else its tooltip (ClickLabelAccessible).
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent);

    // Whether something listens to the events a command hangs on.
    bool hasCommand() const;
    // What a key press or a screen reader's Press does: the events of one click, and the
    // double-click as well for a label whose only command is a double-click.
    void press();

Q_SIGNALS:
    void MouseDown();
    void MouseUp();
    void Click();
    void DblClick();
    // The keyboard focus came or went (Tab, or Shift+Tab).
    void GotFocus();
    void LostFocus();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void connectNotify(const QMetaMethod& signal) override;

private:
    bool pressed_ = false;
    bool doubleClicked_ = false;
};

} // namespace vireo
