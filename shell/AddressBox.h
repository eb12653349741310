#pragma once

#include <QComboBox>

namespace vireo {

// The address box: an editable combo box that tells a text change it makes itself, from its
// list (the arrow keys, the wheel, a choice in the drop-down list), from one typed or set by
// the program. A choice from the list is a selection, not an edit: it is not completed.
class AddressBox : public QComboBox {
    Q_OBJECT
public:
    explicit AddressBox(QWidget* parent);

    // True while the box shows an entry of its list because the user chose it there.
    bool isChoosingFromList() const { return choosing_; }

    void hidePopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool choosing_ = false;
};

} // namespace vireo
