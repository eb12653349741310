#pragma once

#include "shell/AutoComplete.h"
#include "shell/ComboBoxView.h"

#include <QStringList>

namespace vireo::test {

// An editable combo box held in memory: its text changes raise the change event as a real
// box does, wired to completion as the master window wires it. Searches walk the list, the
// plain reading of the find-string request.
class MemoryComboBox : public ComboBoxView {
public:
    QStringList items;
    QString edit;
    int current = -1;
    int selStart = 0;
    int selLength = 0;
    AutoComplete completion;
    int changes = 0;

    int count() const override { return int(items.size()); }
    QString itemText(int index) const override { return items.value(index); }
    void addItem(const QString& text) override { items.append(text); }
    QString text() const override { return edit; }
    void setText(const QString& text) override
    {
        selStart = int(text.size());
        selLength = 0;
        if (text == edit)
            return;
        edit = text;
        changed();
    }
    void selectItem(int index) override
    {
        current = index;
        setText(items.at(index));
    }
    void clearItemSelection() override { current = -1; }
    void selectText(int start, int length) override
    {
        selStart = start;
        selLength = length;
    }
    int findPrefix(const QString& prefix) const override
    {
        for (int i = 0; i < items.size(); ++i) {
            if (items[i].startsWith(prefix, Qt::CaseInsensitive))
                return i;
        }
        return -1;
    }
    int findExact(const QString& text) const override { return int(items.indexOf(text)); }

    QString selectedText() const { return edit.mid(selStart, selLength); }

    // Keys as the teen presses them: '\b' Backspace, '\x7f' Delete, anything else is typed.
    void press(const QString& keys)
    {
        for (const QChar key : keys) {
            if (key == QLatin1Char('\b')) {
                completion.lastkey = AutoComplete::keyBackspace;
                if (selLength == 0 && selStart > 0)
                    replace(selStart - 1, 1, QString());
                else
                    replace(selStart, selLength, QString());
            } else if (key == QChar(0x7f)) {
                completion.lastkey = AutoComplete::keyDelete;
                replace(selStart, selLength == 0 ? 1 : selLength, QString());
            } else {
                completion.lastkey = key.toUpper().unicode();
                replace(selStart, selLength, QString(key));
            }
        }
    }

private:
    void replace(int start, int length, const QString& with)
    {
        QString next = edit;
        next.replace(start, length, with);
        selStart = start + int(with.size());
        selLength = 0;
        // Typing the selected character again changes nothing, so raises no change.
        if (next == edit)
            return;
        edit = next;
        changed();
    }
    void changed()
    {
        ++changes;
        completion.autocomplete(*this);
    }
};

} // namespace vireo::test
