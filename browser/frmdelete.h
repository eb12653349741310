#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace vireo {

class App;
class Favorites;

// Organize Favorites: one row per favourite, renamed in place and deleted with the Delete key
// or "&Delete". The list in memory changes at once; the file when the window closes.
class frmdelete : public QWidget {
    Q_OBJECT
public:
    // Makes the window and runs its load sequence.
    static frmdelete* create(App& app);

    explicit frmdelete(App& app, QWidget* parent = nullptr);
    // Closed with its owner (the master window going), it still writes the list.
    ~frmdelete() override;

    QLabel* Label1;
    QLabel* label2;
    QListWidget* ListView1;
    QPushButton* Command4;
    QPushButton* Command3;
    QPushButton* Command2;
    QWidget* Picture1;
    QPlainTextEdit* Text6;
    QLabel* Label3;

    void Form_Load();
    // "&Delete" and the Delete key.
    void Command4_Click();
    // "&Help": shows the help box; a double-click on it hides it.
    void Command3_Click();
    void Picture1_DblClick();
    // "&Okay".
    void Command2_Click();
    // The edit of row `row` ended with `text`.
    void ListView1_AfterLabelEdit(int row, const QString& text);

    static QString refusal() { return QStringLiteral("Cannot delete this Item"); }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One row per favourite, in list order.
    void fillRows();

    App& app_;
    Favorites& favorites_;
    // Set while this window changes the list, whose rows it has already changed itself.
    bool changing_ = false;
    bool saved_ = false;
};

} // namespace vireo
