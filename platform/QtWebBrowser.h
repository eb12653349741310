#pragma once

#include "platform/WebBrowser.h"

#include <QPointer>

class QWebEngineProfile;
class QWebEngineView;

namespace vireo {

class DesktopCommands;
class Dialogs;

// The page component on Qt WebEngine. Every view shares one persistent per-user profile, so
// cookies and the cache survive between runs and sites stay logged in.
class QtWebBrowser final : public WebBrowser {
    Q_OBJECT
public:
    // The view is made a child of `parent`; `dialogs` (may be null) asks for the save-as name;
    // `desktop` (may be null: the desktop services straight away) takes addresses of other
    // schemes.
    explicit QtWebBrowser(QWidget* parent, Dialogs* dialogs = nullptr,
                          DesktopCommands* desktop = nullptr);
    ~QtWebBrowser() override;

    QWidget* view() override;
    void Navigate(const QString& address) override;
    bool GoBack() override;
    bool GoForward() override;
    bool Stop() override;
    bool Refresh() override;
    bool ExecWB(Command command, CommandOption option) override;
    QString LocationName() const override;
    QString LocationURL() const override;

    // The profile of every view, made on first use. Named "vireo"; its storage lies under the
    // user's XDG data and cache folders.
    static QWebEngineProfile* profile();
    // Deletes the profile, flushing cookies to disk. Views still open then are deleted first.
    static void releaseProfile();
    // Hides the engine's information block (its paths and graphics set-up, printed at every
    // start) unless QT_LOGGING_RULES or QT_LOGGING_CONF asks for it. Call before the first view.
    static void quietEngineInformation();

    // Keeps the profile for as long as it lives: declare one after the application object and
    // before the windows, so it goes after the last view and before the engine shuts down.
    class ProfileScope {
    public:
        ProfileScope() = default;
        ~ProfileScope() { releaseProfile(); }
        ProfileScope(const ProfileScope&) = delete;
        ProfileScope& operator=(const ProfileScope&) = delete;
    };

private:
    void onLoadStarted();
    void onLoadProgress(int percent);
    void onLoadFinished(bool ok);
    void onTitleChanged(const QString& title);
    void onLinkHovered(const QString& url);
    void setStatus(const QString& text);
    void raiseTitleChange();
    bool print();
    bool pageSetup();
    bool saveAs();

    QPointer<QWebEngineView> view_;
    Dialogs* dialogs_;
    DesktopCommands* desktop_;
    bool loading_ = false;
    QString status_; // the last status text other than a hovered link
    QString titledUrl_, titledName_;
};

} // namespace vireo
