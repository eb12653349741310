#pragma once

#include <QObject>
#include <functional>

class QListWidget;

namespace vireo {

// Makes choosing an entry of a list box one event: a click on an entry, or Return or Enter on
// the current entry (so the lists work from the keyboard too). Moving through the list with the
// arrow keys chooses nothing. Owned by the list.
class ListChoice : public QObject {
    Q_OBJECT
public:
    using Chosen = std::function<void(int index)>;

    static void attach(QListWidget* list, Chosen chosen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ListChoice(QListWidget* list, Chosen chosen);

    QListWidget* list_;
    Chosen chosen_;
};

} // namespace vireo
