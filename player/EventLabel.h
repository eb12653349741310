#pragma once

#include "shell/ClickLabel.h"

namespace vireo {

// A label that acts as a button: it reports the mouse events the player's commands hang on,
// as every button of the program does (ClickLabel).
class EventLabel : public ClickLabel {
    Q_OBJECT
public:
    EventLabel(const QString& name, const QString& text, QWidget* parent);

    // The text colour, normally light cyan.
    void setTextColor(const QColor& color);
    QColor textColor() const;
};

} // namespace vireo
