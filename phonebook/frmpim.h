#pragma once

#include "phonebook/ContactFile.h"
#include "phonebook/PhoneBook.h"
#include "shell/MdiChild.h"
#include "shell/MenuBuilder.h"

#include <QWidget>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace vireo {

class App;
class ClickLabel;
class PasswordGate;

// The phone book window: the list of buddies, the boxes of the one shown, its picture, and the
// commands that add, save, remove, browse, print and explain them. A single child window of
// the master window; the teen password can lock it.
class frmpim : public QWidget, public MdiChild {
    Q_OBJECT
public:
    // Makes the window and runs its load sequence.
    static frmpim* create(App& app);

    explicit frmpim(App& app, QWidget* parent = nullptr);
    ~frmpim() override;

    QList<QMenu*> childMenus() const override { return menus_.menus(); }
    QSize sizeHint() const override;

    const PhoneBook& book() const { return book_; }
    const ProgramMenus& menus() const { return menus_; }

    // The buddies, their hidden keys, and the boxes of the one shown.
    QListWidget *List1, *List2;
    QLineEdit *namet, *phone, *emailk, *age;
    QPlainTextEdit *address, *commentsk;
    QComboBox *Combo3, *Combo2, *Combo4, *Combo5; // month, day, year, relationship
    QLabel* Image1;
    QLineEdit* picturepath; // hidden: the picture's full path
    QLineEdit* Text8;       // hidden: not empty once the shown contact is on file
    QLabel* Label15;
    QToolButton *gocrypt, *gosave, *gotrash, *gotras, *gocopy, *gopaste, *goprint, *gohelp;
    QPushButton* Command6; // Change Picture

    // The help panel, its text and the label that closes it.
    QFrame* helpPanel;
    QPlainTextEdit* helpText;
    ClickLabel* helpClose;

    // The logon panel over a cover that hides the rest of the window.
    QWidget* cover;
    PasswordGate* logon;
    QPushButton* changePassword;

    void Form_Load();
    void List1_Click();
    void gocrypt_Click();
    void gosave_Click();
    void gotrash_Click();
    void gotras_Click();
    void gocopy_Click();
    void gopaste_Click();
    void goprint_Click();
    void gohelp_Click();
    void Command6_Click();
    void helpPanel_DblClick();
    void helpClose_Click();
    void logon_passed();
    void logon_cancelled();
    void changePassword_Click();

    // The selected list position, -1 when none.
    int selectedPosition() const;

    static QString pictureNotice();
    static QString pictureDialogTitle() { return QStringLiteral("Browse for you picture."); }
    static QString pictureDialogFilter();
    static QString printFailure() { return QStringLiteral("Can't print this."); }
    static QString printCaption() { return QStringLiteral("Scrivo: Printing"); }
    static QString saveFailure();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void buildHelpPanel();
    void buildLogon();
    void wire();
    QToolButton* makeButton(const char* name, const char* tip, int glyph);
    void layOverlays();

    // The boxes as a contact record, and a contact's fields into the boxes.
    ContactRecord record() const;
    void showContact(const ContactFile::Contents& contents);
    void showPicture(const QString& path);
    void showLists();
    // Shows or hides the logon panel over the window.
    void showCover(bool shown);
    void selectAndOpen(int position);
    void closeWindow();

    App& app_;
    PhoneBook book_;
    ProgramMenus menus_;
    bool listing_ = false;
};

} // namespace vireo
