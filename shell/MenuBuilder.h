#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace vireo {

class App;

// The commands that the program's windows repeat in their menus. Each does the same whichever
// window's menu holds it. Opening a page means a new browser window at its design size that
// goes to the address; a browser window opens its help pages in itself and wires those items
// on its own.
enum class ProgramCommand {
    WebBrowser,   // a new browser window
    Journal,      // the journal window
    PhoneBook,    // the phone book window
    HomeworkHelp, // a new browser window at the homework panel's size
    Mp3,          // the MP3 player
    Search,       // the configuration window's web search, captioned "Search"
    TeenRights,   // opens the teen-rights page
    Open,         // the configuration window's open panel, captioned "Open"
    Options,      // the options dialog
    Exit,         // ends the program at once, keeping the browsing log and seconds
    Update,       // opens the product's update page
    Feedback,     // opens the product's feedback page
    HtmlHelp,     // opens the user's guide
    About,        // the About box
};

// The "&Start", "&Windows" and "&Help" menus as the phone book and the journal show them.
struct ProgramMenus {
    QMenu *mnu_start = nullptr, *mnu_windows = nullptr, *mnu_help = nullptr;
    QAction *mnu_webbrowser = nullptr, *mnu_journal = nullptr, *mnu_phonebook = nullptr,
            *mnu_homeworkhelp = nullptr, *mnu_mp3 = nullptr, *mnu_search = nullptr,
            *mnu_rights = nullptr, *mnu_open = nullptr, *mnu_options = nullptr, *mnu_exit = nullptr;
    QAction *mnu_update = nullptr, *mnu_feedback = nullptr, *mnu_htmlhelp = nullptr,
            *mnu_about = nullptr;

    // In menu-bar order.
    QList<QMenu*> menus() const { return {mnu_start, mnu_windows, mnu_help}; }
};

// Makes a window's menus: every menu and item with its caption, object name and shortcut, the
// program-wide commands wired to what they do. A window with the shared menus needs two lines:
//
//     menus_ = MenuBuilder(app_, this).programMenus();
//     QList<QMenu*> childMenus() const override { return menus_.menus(); }
//
// A window with menus of its own builds them item by item with menu(), item() and command().
class MenuBuilder {
public:
    // Menus and items are owned by `window`.
    MenuBuilder(App& app, QWidget* window);

    // A menu owned by the window, for its menu bar or for the master's while it is active.
    QMenu* menu(const char* caption, const char* name) const;
    // An item that the window wires itself.
    QAction* item(QMenu* menu, const char* caption, const char* name,
                  const QKeySequence& keys = {}) const;
    // An item wired to a program-wide command.
    QAction* command(QMenu* menu, ProgramCommand command, const char* caption, const char* name,
                     const QKeySequence& keys = {}) const;
    // A menu that lists the master window's open child windows.
    QMenu* windowsMenu(const char* caption, const char* name) const;

    // "&Start" (Web Browser, Journal, Phone Book, Homework Help, MP3, Search, Teen Rights, Open,
    // Options, Exit), "&Windows" and "&Help" (Update, Feedback, Help, About), with "&MP3"
    // hidden while setting "1" is "1".
    ProgramMenus programMenus() const;

    // Does what `command` does from this window.
    void run(ProgramCommand command) const;

private:
    void openPage(const QString& address) const;

    App& app_;
    QWidget* window_;
};

} // namespace vireo
