#include "shell/ComboBoxAdapter.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLineEdit>

namespace vireo {

ComboBoxAdapter::ComboBoxAdapter(QComboBox* box) : QObject(box), box_(box)
{
    QAbstractItemModel* model = box->model();
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { rowsInserted(first, last); });
    connect(model, &QAbstractItemModel::rowsRemoved, this, &ComboBoxAdapter::invalidate);
    connect(model, &QAbstractItemModel::rowsMoved, this, &ComboBoxAdapter::invalidate);
    connect(model, &QAbstractItemModel::dataChanged, this, &ComboBoxAdapter::invalidate);
    connect(model, &QAbstractItemModel::modelReset, this, &ComboBoxAdapter::invalidate);
    connect(model, &QAbstractItemModel::layoutChanged, this, &ComboBoxAdapter::invalidate);
}

void ComboBoxAdapter::rowsInserted(int first, int last)
{
    if (stale_)
        return;
    if (first != index_.size()) {
        stale_ = true;
        return;
    }
    for (int i = first; i <= last; ++i)
        index_.append(box_->itemText(i));
}

void ComboBoxAdapter::refreshIndex() const
{
    QStringList entries;
    const int n = box_->count();
    entries.reserve(n);
    for (int i = 0; i < n; ++i)
        entries.append(box_->itemText(i));
    index_.reset(entries);
    stale_ = false;
}

const PrefixIndex& ComboBoxAdapter::index() const
{
    if (stale_ || index_.size() != box_->count())
        refreshIndex();
    return index_;
}

int ComboBoxAdapter::count() const
{
    return box_->count();
}

QString ComboBoxAdapter::itemText(int index) const
{
    return box_->itemText(index);
}

void ComboBoxAdapter::addItem(const QString& text)
{
    // Adding to an empty box selects the new entry; the text must stay as it is.
    const QString current = box_->currentText();
    box_->addItem(text);
    if (box_->isEditable() && box_->currentText() != current)
        box_->setEditText(current);
}

QString ComboBoxAdapter::text() const
{
    return box_->currentText();
}

void ComboBoxAdapter::setText(const QString& text)
{
    box_->setEditText(text);
}

void ComboBoxAdapter::selectItem(int index)
{
    box_->setCurrentIndex(index);
    // Already the selected entry after the teen typed over its text: the text comes back.
    if (box_->isEditable() && box_->currentText() != box_->itemText(index))
        box_->setEditText(box_->itemText(index));
}

void ComboBoxAdapter::clearItemSelection()
{
    if (box_->currentIndex() < 0)
        return;
    const QString current = box_->currentText();
    QLineEdit* edit = box_->lineEdit();
    const int cursor = edit ? edit->cursorPosition() : 0;
    box_->setCurrentIndex(-1);
    if (edit && edit->text() != current) {
        edit->setText(current);
        edit->setCursorPosition(cursor);
    }
}

void ComboBoxAdapter::selectText(int start, int length)
{
    if (QLineEdit* edit = box_->lineEdit())
        edit->setSelection(start, length);
}

int ComboBoxAdapter::findPrefix(const QString& prefix) const
{
    return index().findFirst(prefix);
}

int ComboBoxAdapter::findExact(const QString& text) const
{
    return index().findExact(text);
}

} // namespace vireo
