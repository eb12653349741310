#pragma once

#include "browser/Favorites.h"
#include "platform/ProgramFolder.h"
#include "shell/Settings.h"

#include <QDate>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

namespace vireo {

class SettingsStore;
class Dialogs;
class formaster;
class BrowserWindow;
class PlayerWindow;
class ConfigWindow;
class WebBrowser;
class MediaPlayer;
class Printing;
class DesktopCommands;

// The process-wide values and the one place where windows find each other.
// Every window gets App& in its constructor; tests build an App over fakes.
class App : public QObject {
    Q_OBJECT
public:
    App(SettingsStore& settings, Dialogs& dialogs, ProgramFolder folder);
    ~App() override;

    // The date taken once by the start procedure.
    QDate today;
    // Browsing seconds counted today: the stored text until the first tick makes it a number.
    QString secondsused;
    // "1" while browsing is blocked, "0" after an override, empty before either.
    QString browseblocked;
    // The MP3 player's pause state: "True" (playing) or "False" (paused), empty until
    // the first Pause; it lives for the whole run, across closing and reopening the player.
    QString pausestate;
    // The command line after the program name (may name a playlist).
    QString commandLine;

    SettingsStore& settings() const { return settings_; }
    Dialogs& dialogs() const { return dialogs_; }
    const ProgramFolder& folder() const { return folder_; }

    // The settings store by named key (shell/Settings.h).
    QString read(const SettingKey& key) const;
    bool isOn(const SettingKey& key, settings::SwitchRule rule) const;
    // False when the value could not be stored; the store has reported why.
    bool write(const SettingKey& key, const QString& value);

    // The program's one favourites list, kept in "\bookmarks.vro"; the first browser window
    // reads it.
    Favorites& favorites() { return favorites_; }

    formaster* master() const { return master_; }
    void setMaster(formaster* master) { master_ = master; }

    // How each kind of window is made. The program's top level fills these in; a kind that is
    // not filled in makes its commands do nothing. `mdiChild` windows open inside the master;
    // `owned` windows are top-level windows the master owns (formaster::ownWindow), as a
    // `dialog` (not listed in "Windows") or not.
    struct WindowKind {
        std::function<QWidget*(App&)> create;
        bool mdiChild = false;
        bool owned = false;
        bool dialog = false;
    };
    WindowKind browserKind, journalKind, phonebookKind, mp3Kind, optionsKind, configKind, aboutKind,
        organizeKind;

    // Makers of the hosted components, filled in by the program's top level (tests put fakes
    // here). Each returns an object owned by `parent`, or null when there is no maker.
    std::function<WebBrowser*(QWidget* parent)> newWebBrowser;
    std::function<MediaPlayer*(QObject* parent)> newMediaPlayer;
    // The print dialog and the printers, filled in the same way; none prints nothing.
    Printing* printing = nullptr;
    // The desktop's viewer and settings programs (none: the commands that use them do nothing).
    DesktopCommands* desktop = nullptr;

    // Browser windows are made anew each time. Null when none could be made or the new
    // window closed itself while loading.
    BrowserWindow* newBrowser();

    // The single windows: made when absent, otherwise brought forward.
    QWidget* journal();
    QWidget* phonebook();
    PlayerWindow* mp3();
    QWidget* options();
    ConfigWindow* config();
    QWidget* about();
    // Organize Favorites.
    QWidget* organize();

    // The single window of a kind if it is open, without opening it.
    QWidget* openWindow(const WindowKind& kind) const;

    // Ends the program at once: no window runs its closing handling, nothing is saved.
    void endProgram();
    bool hasEnded() const { return ended_; }

Q_SIGNALS:
    void ended();

private:
    QWidget* single(WindowKind& kind, QPointer<QWidget>& slot);
    QWidget* show(QWidget* window, const WindowKind& kind);
    static void bringForward(QWidget* window);

    SettingsStore& settings_;
    Dialogs& dialogs_;
    ProgramFolder folder_;
    Favorites favorites_;
    formaster* master_ = nullptr;
    QPointer<QWidget> journal_, phonebook_, mp3_, options_, config_, about_, organize_;
    bool ended_ = false;
};

} // namespace vireo
