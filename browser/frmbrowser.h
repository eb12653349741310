#pragma once

#include "browser/BrowserRules.h"
#include "shell/BrowserWindow.h"
#include "shell/MdiChild.h"

#include <QWidget>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QTimer;

namespace vireo {

class App;
class ClickLabel;
class HomeworkPanel;
class ImPanel;
class WebBrowser;
class formaster;

// A browser window: a child window of the master window around one page component, with a
// link panel on its left and the program's commands in its menus. Any number may be open.
class frmbrowser : public QWidget, public BrowserWindow, public MdiChild {
    Q_OBJECT
public:
    // Makes a window and runs its load sequence. None when the window unloaded itself while
    // loading (browsing is blocked).
    static frmbrowser* create(App& app);

    explicit frmbrowser(App& app, QWidget* parent = nullptr);
    ~frmbrowser() override;

    // BrowserWindow, MdiChild.
    QWidget* widget() override { return this; }
    WebBrowser& WebBrowser1() override { return *WebBrowser1_; }
    QList<QMenu*> childMenus() const override;
    // The design client area: a new window opens at this size.
    QSize sizeHint() const override;
    void showHomeworkHelp() override;

    // Controls. `page` holds the component's view and is what the layout moves.
    QWidget* page;
    QWidget* Picture1;
    QLabel* Label1;
    ClickLabel* label2; // "X": closes the link panel
    QListWidget* List2;
    QListWidget* List3;
    QWidget* Picture2;
    ImPanel* Picture5; // the IM panel, floating over the page
    HomeworkPanel* homework;
    QTimer* Timer1;

    QMenu *mnu_start, *mnu_entertainment, *mnu_favorites, *mnu_windows, *mnu_helpmenu;
    QAction *mnu_webbrowser, *mnu_journal, *mnu_phonebook, *mnu_homeworkhelp, *mnu_mp3, *mnu_search,
        *mnu_searchcd, *mnu_open, *mnu_saveas, *mnu_print, *mnu_startpage, *mnu_options,
        *mnu_printsetup, *mnu_exit;
    QAction *mnu_bands, *mnu_chat, *mnu_magazines, *mnu_movies, *mnu_music, *mnu_sports, *mnu_tv,
        *mnu_videogames, *mnu_cd, *mnu_movie, *mnu_horoscope, *mnu_im;
    QAction *mnu_addfavorite, *mnu_organize;
    // One item per favourite, after the Favorites menu's separator, in list order.
    QList<QAction*> mnubook;
    QAction *mnu_update, *mnu_feedback, *mnu_htmlhelp, *mnu_about;

    // Sequences.
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void Form_Terminate();
    void ptions();
    void gog();
    // Opens the link panel titled `caption`: the steps every category command shares.
    void showLinkPanel(const QString& caption);
    // Fills the link panel from a link-list file: names in List2, addresses in List3.
    void addlinks(const QString& path);
    // Gives the Favorites menu one item per favourite of the program's list.
    void showFavorites();
    // Loads the homework panel's subjects from a subject file.
    void helpa(const QString& path);

    // The geometry the layout works on, in twips.
    const BrowserGeometry& geometryTwips() const { return geo_; }
    // True once the window has unloaded (it may still be on its way out).
    bool isUnloaded() const { return unloaded_; }

    // Component events.
    void WebBrowser1_DownloadBegin();
    void WebBrowser1_DownloadComplete();
    void WebBrowser1_ProgressChange(int progress, int progressMax);
    void WebBrowser1_StatusTextChange(const QString& text);
    void WebBrowser1_TitleChange(const QString& text);
    // The desktop took no program for an address such as "aim:" (the IM panel's Send).
    void WebBrowser1_ExternalAddressNotOpened(const QString& scheme);

    // Controls' events.
    void label2_Click();
    // Opens the link at `index` of List2 in this window.
    void List2_Click(int index);
    void Picture2_MouseDown(double x);
    void Picture2_MouseMove(double x);
    void Picture2_MouseUp();
    void Timer1_Timer();

    // Menus.
    void mnu_webbrowser_Click();
    void mnu_saveas_Click();
    void mnu_print_Click();
    void mnu_startpage_Click();
    void mnu_printsetup_Click();
    void mnu_exit_Click();
    void mnu_update_Click();
    void mnu_feedback_Click();
    void mnu_htmlhelp_Click();
    // The outside services: local pages that link on, and the IM panel.
    void mnu_searchcd_Click();
    void mnu_cd_Click();
    void mnu_movie_Click();
    void mnu_horoscope_Click();
    void mnu_im_Click();
    // Favourites and homework help.
    void mnu_addfavorite_Click();
    void mnu_organize_Click();
    void mnubook_Click(int index);
    void mnu_homeworkhelp_Click();

    // Why "Add to Favorites" added nothing.
    static QString favoritesFullMessage();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void wire();
    void applyGeometry();
    void unloadMe();
    // The modal dialog open over this window's page, if any.
    QWidget* openDialogOfThisWindow() const;
    formaster* master() const;
    double clientWidth() const;
    double clientHeight() const;

    App& app_;
    WebBrowser* WebBrowser1_;
    BrowserGeometry geo_;
    double splitterDownX_ = 0;
    bool dragging_ = false;
    bool unloaded_ = false;
};

} // namespace vireo
