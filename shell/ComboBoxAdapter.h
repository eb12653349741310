#pragma once

#include "shell/ComboBoxView.h"
#include "shell/PrefixIndex.h"

#include <QObject>

class QComboBox;

namespace vireo {

// A QComboBox seen as a ComboBoxView, with an index of its list for quick searches. The
// index follows the box's model: entries added at the end are added to it, any other change
// rebuilds it at the next search.
class ComboBoxAdapter : public QObject, public ComboBoxView {
    Q_OBJECT
public:
    explicit ComboBoxAdapter(QComboBox* box);

    int count() const override;
    QString itemText(int index) const override;
    void addItem(const QString& text) override;
    QString text() const override;
    void setText(const QString& text) override;
    void selectItem(int index) override;
    void clearItemSelection() override;
    void selectText(int start, int length) override;
    int findPrefix(const QString& prefix) const override;
    int findExact(const QString& text) const override;

    // Builds the index now rather than at the first search.
    void refreshIndex() const;

private:
    void rowsInserted(int first, int last);
    void invalidate() { stale_ = true; }
    const PrefixIndex& index() const;

    QComboBox* box_;
    mutable PrefixIndex index_;
    mutable bool stale_ = true;
};

} // namespace vireo
