#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTabBar;

namespace vireo {

class App;
class PasswordChangePanel;
class PasswordGate;

// The options dialog: three pages on a tab strip. The basic page holds the pop-up switch, the
// start page and the desktop's network and sound settings; the teen page, behind the teen
// password, the journal and phone book locks and the teen password's change; the parental page,
// behind the parental password, the daily limit, the MP3, log and search switches and the
// parental password's change. It reads every value when it opens and writes them only on OK;
// a password change is stored at once, whatever follows.
class frmopt : public QWidget {
    Q_OBJECT
public:
    static frmopt* create(App& app);
    explicit frmopt(App& app);
    ~frmopt() override;

    // Tab n shows page n - 1.
    QTabBar* tbsOptions;
    QWidget* picOptions[3];

    // "Basic Configuration".
    QGroupBox* fraBasic;
    QPushButton *Command7, *Command6; // Volume Options, Internet Options
    QCheckBox* chkPopups;
    QLineEdit* txtStartPage;

    // "Teen Options": the prompt (Command10, Command11) over the "User Password" frame.
    PasswordGate* teenPrompt;
    QGroupBox* fraUser;
    QCheckBox *pimpassword, *journal_password;
    PasswordChangePanel* teenChange; // Command3, Command5

    // "Parental Options": the prompt (Command8, Command9) over the "Parental Controls" frame.
    PasswordGate* parentalPrompt;
    QGroupBox* fraParental;
    QCheckBox *chkLimit, *chkOthers, *chkMp3, *chkLog, *chkSearch;
    QLineEdit* txtSpeed; // "N Minutes"
    QLineEdit* Text6;    // hidden: the minutes as stored
    QScrollBar* hsbSpeed;
    QPushButton* Command4; // View log
    QGroupBox* fraChangeParental;
    PasswordChangePanel* parentalChange; // Command1, Command2

    QPushButton *cmdOK, *cmdCancel;

    void Form_Load();
    void Form_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void tbsOptions_Click();
    void hsbSpeed_Change();
    void cmdOK_Click();
    void cmdCancel_Click();
    void Command8_Click();
    void Command10_Click();
    void Command4_Click();
    void Command6_Click();
    void Command7_Click();

    // The desktop programs the settings buttons try, first installed first.
    static QList<QStringList> networkSettingsCommands();
    static QList<QStringList> volumeControlCommands();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* buildBasic();
    QWidget* buildTeen();
    QWidget* buildParental();
    QWidget* makePage(int index);

    App& app_;
};

} // namespace vireo
