#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace vireo {

// The hosted web-browser component: the operations and events the browser windows use.
// Operations that cannot be done (no history to go back to...) return false; callers skip them.
class WebBrowser : public QObject {
    Q_OBJECT
public:
    enum class Command { Print = 6, PageSetup = 8, SaveAs = 4 };
    enum class CommandOption { DontPromptUser = 2 };

    using QObject::QObject;
    ~WebBrowser() override = default;

    // The widget that shows the page (none for components without a view).
    virtual QWidget* view() = 0;

    virtual void Navigate(const QString& address) = 0;
    virtual bool GoBack() = 0;
    virtual bool GoForward() = 0;
    virtual bool Stop() = 0;
    virtual bool Refresh() = 0;
    virtual bool ExecWB(Command command, CommandOption option) = 0;

    virtual QString LocationName() const = 0;
    virtual QString LocationURL() const = 0;

Q_SIGNALS:
    void DownloadBegin();
    void DownloadComplete();
    void ProgressChange(int progress, int progressMax);
    void StatusTextChange(const QString& text);
    void TitleChange(const QString& text);
    void NewWindow2();
    // An address the page engine does not show (such as "aim:") was handed to the desktop,
    // and no program took it.
    void ExternalAddressNotOpened(const QString& scheme);
};

} // namespace vireo
