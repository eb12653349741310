#include "platform/DragWindow.h"

#include <QWidget>
#include <QWindow>

namespace vireo {

bool dragwindow(QWidget* window)
{
    if (!window)
        return false;
    QWidget* top = window->window();
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    QWindow* handle = top->windowHandle();
    return handle && handle->startSystemMove();
}

} // namespace vireo
