#pragma once

#include <QLabel>

namespace vireo {

// A label that acts as a button, the base of the image buttons and the label buttons: it
// reports the mouse events the windows' commands hang on. Click follows a press and a release
// of the left button inside the label. A double-click reports MouseDown, MouseUp, Click,
// DblClick, MouseUp: its second press is the double-click and its release gives no second
// Click, so a command on Click runs once.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent);

Q_SIGNALS:
    void MouseDown();
    void MouseUp();
    void Click();
    void DblClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
    bool doubleClicked_ = false;
};

} // namespace vireo
