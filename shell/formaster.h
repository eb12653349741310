#pragma once

#include "shell/AddressBox.h"
#include "shell/Allowance.h"
#include "shell/AutoComplete.h"
#include "shell/BrowsingLog.h"
#include "shell/MasterLayout.h"

#include <QMainWindow>
#include <QMargins>
#include <QPixmap>
#include <QPointer>
#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QProgressBar;
class QTimer;
class QAction;

namespace vireo {

class App;
class BrowserWindow;
enum class ProgramCommand;
class ComboBoxAdapter;
class ImageBox;

// The master window's controls, named as the program's design names them. They are private to
// the window: the other windows drive it through the operations formaster offers, and tests
// reach the controls through formaster::controlsForTest().
struct formasterControls {
    // Frame and strips.
    QWidget* navbar;
    QWidget* Picture1;
    QWidget* Picture3;
    QWidget* Picture2;
    QMdiArea* mdiArea;

    // Skin pieces.
    ImageBox *topleft, *topbar, *sidebar, *topright, *midrightbar, *midleft, *midright, *midbar;
    ImageBox *leftbar, *rightbar, *botleft, *botright, *botbar;

    // Buttons: Back, Forward, Stop, Refresh, Home; then the seven launchers.
    ImageBox *Image1, *Image2, *Image3, *Image4, *Image5;
    ImageBox *Image6, *Image9, *Image12, *Image13, *Image7, *Image8, *Image14;
    ImageBox* Image54; // stands in for the MP3 button while MP3 tools are disabled
    ImageBox* bumper;  // the busy animation

    // Source bitmaps, never shown themselves.
    QPixmap back, stop_, foward, refresh_, home, webbrowser, journal, phonebook, homeworkhelp, mp3,
        search, teenrights;
    QPixmap back_down, stop_down, foward_down, refresh_down, home_down, webbrowser_down,
        journal_down, phonebook_down, homeworkhelp_down, search_down, mp3_down, teenrights_down;
    QPixmap aa, ba, ca, za;

    QFrame* Picture5; // hover caption
    QLabel* Label100;
    AddressBox* Combo1; // address box
    QComboBox* Combo9;  // browsing log, hidden
    QLabel* Label22;    // status text
    QProgressBar* ProgressBar1;
    QLineEdit* Text1; // browsing-seconds counter, hidden

    QTimer *Timer1, *Timer4, *Timer10, *Timer20, *Timer30, *Timer40;

    QMenu *mnu_file, *menu, *mnu_windows, *mnu_help;
    QAction *mnu_open, *mnu_options, *mnu_exit;
    QAction *mnu_webbrowser, *mnu_journal, *mnu_phonebook, *mnu_homeworkhelp, *mnu_mp3, *mnu_search,
        *mnu_rights;
    QAction *mnu_update, *mnu_feedback, *mnu_htmlhelp, *mnu_about;
};

// The master window: the launcher bar, the address box, the status strip and the area in
// which the browser windows and the other tools open as child windows.
class formaster : public QMainWindow, private formasterControls, private AllowanceActions {
    Q_OBJECT
public:
    // Makes the master window, makes it the App's master and runs its load sequence.
    static std::unique_ptr<formaster> create(App& app);

    explicit formaster(App& app);
    ~formaster() override;

    // ---- What the other windows drive ------------------------------------------------------
    // The status text under the child windows.
    void setStatusText(const QString& text);
    // The download progress bar: shown while a page loads, moved on, and finished (set full
    // and hidden).
    void showProgress();
    void setProgress(int value);
    void finishProgress();
    // The busy animation.
    void startBusy();
    void stopBusy();
    // A page a browser window arrived at: shown in the address box and added to the browsing
    // log (written when the log is next saved).
    void pageVisited(const QString& address);
    // The daily allowance: while it is used up the window is disabled; the parental override
    // enables it again. The timer counts the browsing seconds.
    void disableForAllowance();
    void enableAfterOverride();
    void startAllowanceTimer();
    void stopAllowanceTimer();
    // Stores the browsing seconds counted today with their day; false when the store refused.
    // Every way out of the program calls it, so the count outlives the run.
    bool saveSecondsUsed();
    // Ends the program at a request from outside (SIGTERM, a session ending): the counted
    // seconds and the children's unsaved work are saved first, then the window closes the
    // ordinary way.
    void endOnRequest();
    // Makes `menu` list the open child windows and the owned windows, and activate the one
    // chosen.
    void listChildWindows(QMenu* menu);
    // Makes a top-level window a window this one owns: it stays above this window and minimises
    // with it, also when its native window is made anew (a page view added to it does that). It
    // is not a child: it stays usable while this window is disabled. A `Window` (the MP3 player)
    // becomes a tool window listed in "Windows"; a `Dialog` keeps its type and is not listed.
    enum class Owned { Window, Dialog };
    void ownWindow(QWidget* window, Owned kind = Owned::Window);
    QList<QWidget*> ownedWindows() const;
    // Opens a new browser window at the homework panel's size, the panel shown on the subjects.
    void openHomeworkHelp();

    // For tests only: the controls, which other windows reach through the operations above.
    formasterControls& controlsForTest() { return *this; }
    const formasterControls& controlsForTest() const { return *this; }

    // Sequences.
    void MDIForm_Load();
    void MDIForm_Resize();
    void MDIForm_Unload();
    void MDIForm_Terminate();
    void loadSkin();
    void newme();
    // The start-up check of the daily allowance, the last step of the load.
    void checktime();

    // The URL history (Combo1's list, "\items.txt") and the browsing log (Combo9, "\log.txt").
    // The writes are false when the file could not be written (reported to vireo.files); the
    // program goes on as before.
    void getitems();
    bool additems();
    void ggetitems();
    bool aadditems();

    // The address box: completion state, its key-down and change handlers.
    AutoComplete completion;
    bool autocomplete(QComboBox* box);
    void Combo1_KeyDown(int keyCode);
    void Combo1_Change();
    const BrowsingLog& browsingLog() const { return log_; }

    // Buttons.
    void Image1_Click();
    void Image2_Click();
    void Image3_Click();
    void Image4_Click();
    void Image5_Click();
    void Image6_Click();
    void Image9_Click();
    void Image12_Click();
    void Image13_Click();
    void Image7_Click();
    void Image8_Click();
    void Image14_Click();

    // Timers.
    void Timer1_Timer();
    void Timer4_Timer();
    void Timer10_Timer();
    void Timer20_Timer();
    void Timer30_Timer();
    void Timer40_Timer();

    // Menus.
    void mnu_open_Click();
    void mnu_options_Click();
    void mnu_exit_Click();
    void mnu_update_Click();
    void mnu_feedback_Click();
    void mnu_htmlhelp_Click();
    void mnu_about_Click();

    // Hover caption, child windows.
    void showHoverCaption(ImageBox* button, const QString& caption);
    void hideHoverCaption();
    QMdiSubWindow* addChildWindow(QWidget* child);
    // Sizes a child window's outer frame, in twips.
    void sizeChild(QWidget* child, double heightTwips, double widthTwips);
    // The active child window when it is a browser window, otherwise none.
    BrowserWindow* activeBrowser() const;
    // Opens a new browser window at its design size on an address.
    BrowserWindow* openPage(const QString& address);

    // Geometry of the skin pieces that follow resizes, in twips.
    MasterGeometry skinGeometry() const;
    void applySkinGeometry(const MasterGeometry& g);

    // The window state as stored: 0 normal, 1 minimized, 2 maximized.
    int windowStateNumber() const;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Makes this window the transient parent of the owned `window`'s native window, if it has one.
    void keepAbove(QWidget* window);
    // What the daily allowance has this window do.
    void showCount(const QString& count) override;
    bool ask(const QString& question) override;
    void disableMaster() override;
    void enableMaster() override;
    void stopCounting() override;
    void openOverride() override;
    void endProgram() override;

    struct ButtonDef;
    static const ButtonDef buttonDefs[];
    struct MenuItemDef;

    void buildControls();
    void buildMenus();
    void wireButtons();
    void layoutClient();
    void applyPlacement();
    void applyWindowState();
    void showChildMenus(QMdiSubWindow* active);
    void setMenus(const QList<QMenu*>& menus);
    void browserCommand(bool (*command)(BrowserWindow&));
    void runCommand(ProgramCommand command);

    App& app_;
    Allowance allowance_;
    BrowsingLog log_;
    ComboBoxAdapter* combo1Box_;
    QWidget* client_;
    QList<QMenu*> masterMenus_;
    QList<QPointer<QWidget>> owned_;
    bool unloaded_ = false;
    // The frame as it was known when the saved placement was applied. On X11 the window manager
    // adds its frame only once the window is shown, so the placement is saved against the same
    // frame it was applied with; otherwise the window would grow by its frame on every run.
    QMargins placedFrame_;
};

} // namespace vireo
