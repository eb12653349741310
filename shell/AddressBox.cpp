#include "shell/AddressBox.h"

#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QTimer>

namespace vireo {

AddressBox::AddressBox(QWidget* parent) : QComboBox(parent)
{
    // The box reports the choice once it has put the entry in.
    connect(this, &QComboBox::activated, this, [this] { choosing_ = false; });
}

void AddressBox::hidePopup()
{
    // The drop-down list closes before it puts the chosen entry into the box, and it does so
    // even when the chosen entry is the current one: the change that follows at once is the
    // choice. A list closed without a choice changes nothing, and the mark is gone by the
    // next event.
    choosing_ = true;
    QComboBox::hidePopup();
    QTimer::singleShot(0, this, [this] { choosing_ = false; });
}

void AddressBox::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool stepsTheList = !(event->modifiers() & Qt::AltModifier) &&
                              (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
                               key == Qt::Key_PageDown);
    const QScopedValueRollback mark(choosing_, choosing_ || stepsTheList);
    QComboBox::keyPressEvent(event);
}

void AddressBox::wheelEvent(QWheelEvent* event)
{
    const QScopedValueRollback mark(choosing_, true);
    QComboBox::wheelEvent(event);
}

} // namespace vireo
