#include "shell/ImageBox.h"

#include <QMouseEvent>

namespace vireo {

ImageBox::ImageBox(const QString& name, QWidget* parent, bool stretch)
    : ClickLabel(parent), stretch_(stretch)
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

void ImageBox::mouseMoveEvent(QMouseEvent* event)
{
    // Taken here: the bar behind the button hides the hover caption on moves it receives.
    event->accept();
    Q_EMIT MouseMove();
}

} // namespace vireo
