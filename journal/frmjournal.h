#pragma once

#include "journal/JournalSession.h"
#include "shell/MdiChild.h"
#include "shell/MenuBuilder.h"

#include <QDateTime>
#include <QWidget>
#include <functional>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;
class QToolButton;

namespace vireo {

class App;
class PasswordGate;

// The journal: the teen's diary, one rich-text entry a day, with the list of earlier entries,
// clipboard commands and printing. A child window of the master window; one at a time. It asks
// before typed text would be thrown away (closing, opening another entry, or "&Exit").
class frmjournal : public QWidget, public MdiChild {
    Q_OBJECT
public:
    // Makes the window and runs its load sequence.
    static frmjournal* create(App& app);

    explicit frmjournal(App& app, QWidget* parent = nullptr);
    ~frmjournal() override;

    QList<QMenu*> childMenus() const override { return menus.menus(); }
    bool mayEndProgram() override { return mayLeaveEntry(); }
    void saveBeforeTermination() override;
    QSize sizeHint() const override;

    // Controls.
    QLabel* date;        // the entry title
    QLineEdit* textdate; // hidden: the current entry's file name
    QTextEdit* journaltext;
    QListWidget* File1; // the entry list, shown by `ope`
    QToolButton *gosave, *gotras, *ope, *gocopy, *gocut, *gopaste, *goprint, *gotime, *gocrypt,
        *gohelp;
    QWidget* Picture1; // the cover behind the logon panel
    PasswordGate* journal_logon;
    QPushButton* changePassword; // "(Change your password)"
    QFrame* Picture100;          // the help panel
    QPlainTextEdit* Text600;
    QLabel* closeHint; // "(Double Click to Close)"
    ProgramMenus menus;

    // The help panel's text, lines ending in CR LF.
    static QString helpText();
    static QString unsavedQuestion() { return QStringLiteral("Save changes to this entry?"); }
    static QString saveFailedMessage()
    {
        return QStringLiteral("This journal entry could not be saved. Your text is still here.");
    }

    // What TimeStamp reads as now; tests fix it.
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };

    // Sequences and handlers.
    void Form_Load();
    void gosave_Click();
    void gotras_Click();
    void ope_Click();
    void File1_Click(QListWidgetItem* item);
    void journaltext_GotFocus();
    void gocopy_Click();
    void gocut_Click();
    void gopaste_Click();
    void goprint_Click();
    void gotime_Click();
    void gocrypt_Click();
    void gohelp_Click();
    void Picture100_DblClick();
    void journal_logon_passed();
    void journal_logon_cancelled();
    void changePassword_Click();

    // True when the editor holds changes not yet saved.
    bool isModified() const;
    // Saves the current entry; a failure is told to the user. False when it was not saved.
    bool saveEntry();
    // With unsaved changes, asks whether to save them: true when the entry may be left (saved,
    // or the user chose not to), false when the user stays.
    bool mayLeaveEntry();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void buildLogon();
    void buildHelp();
    void wire();
    void placeOverlays();
    void showLogon(bool shown);
    void loadEntry(const JournalEntries::ReadResult& read);

    App& app_;
    JournalSession session_;
    QWidget* body_; // everything the logon panel covers
};

} // namespace vireo
