#pragma once

#include "shell/ClickLabel.h"

#include <QPixmap>

namespace vireo {

// An image control: shows a bitmap, and reports the mouse as the program's image buttons need.
// A stretched image keeps its size and scales its bitmap to it; one that is not stretched
// takes the size of the bitmap it is given, keeping its top-left corner.
class ImageBox : public ClickLabel {
    Q_OBJECT
public:
    ImageBox(const QString& name, QWidget* parent, bool stretch = false);

    void setPicture(const QPixmap& picture);
    QPixmap picture() const { return picture_; }
    bool isStretched() const { return stretch_; }

Q_SIGNALS:
    void MouseMove();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    bool stretch_;
};

} // namespace vireo
