#pragma once

#include <QFrame>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vireo {

class ClickLabel;

// The instant-message panel of a browser window: a screen name and a message become an
// "aim:goim" address for the page to navigate to, which hands it to the messenger program.
// It floats over the page at a fixed place, hidden until asked for; the texts stay for the
// next time.
class ImPanel : public QFrame {
    Q_OBJECT
public:
    using Navigate = std::function<void(const QString& address)>;

    explicit ImPanel(Navigate navigate, QWidget* parent = nullptr);

    ClickLabel* Label5; // "IM With AOL Instant Messanger": opens the messenger's home page
    ClickLabel* Label8; // "(Requires AOL InstantMessanger)": the same, and hides the panel
    QLabel* Label6;
    QLineEdit* screenname;
    QLabel* Label7;
    QLineEdit* message;
    QPushButton* Command6; // Send
    QPushButton* Command7; // Cancel

    void Command6_Click();
    void Command7_Click();
    void Label5_Click();
    void Label8_Click();

private:
    Navigate navigate_;
};

} // namespace vireo
