#include "browser/ListChoice.h"

#include <QKeyEvent>
#include <QListWidget>

namespace vireo {

ListChoice::ListChoice(QListWidget* list, Chosen chosen)
    : QObject(list), list_(list), chosen_(std::move(chosen))
{
    connect(list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chosen_(list_->row(item)); });
    list->installEventFilter(this);
}

void ListChoice::attach(QListWidget* list, Chosen chosen)
{
    new ListChoice(list, std::move(chosen));
}

bool ListChoice::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && list_->currentRow() >= 0) {
            chosen_(list_->currentRow());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vireo
