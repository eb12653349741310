#include "shell/ImageBox.h"

#include <QMouseEvent>

namespace vireo {

ImageBox::ImageBox(const QString& name, QWidget* parent, bool stretch)
    : QLabel(parent), stretch_(stretch)
{
    setObjectName(name);
    setScaledContents(stretch);
    setMouseTracking(true);
}

void ImageBox::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    setPixmap(picture);
    if (!stretch_ && !picture.isNull())
        resize(picture.size());
}

void ImageBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QLabel::mousePressEvent(event);
    pressed_ = true;
    Q_EMIT MouseDown();
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_)
        return QLabel::mouseReleaseEvent(event);
    pressed_ = false;
    Q_EMIT MouseUp();
    if (rect().contains(event->position().toPoint()))
        Q_EMIT Click();
}

void ImageBox::mouseMoveEvent(QMouseEvent* event)
{
    // Taken here: the bar behind the button hides the hover caption on moves it receives.
    event->accept();
    Q_EMIT MouseMove();
}

} // namespace vireo
