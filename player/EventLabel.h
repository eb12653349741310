#pragma once

#include <QLabel>

namespace vireo {

// A label that acts as a button: it reports the mouse events the player's commands hang on.
// Click follows a press and a release inside the label, as on a button; a double-click gives
// one Click and one DblClick.
class EventLabel : public QLabel {
    Q_OBJECT
public:
    EventLabel(const QString& name, const QString& text, QWidget* parent);

    // The text colour, normally light cyan.
    void setTextColor(const QColor& color);
    QColor textColor() const;

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
