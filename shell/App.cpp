#include "shell/App.h"

#include "platform/SettingsStore.h"
#include "shell/BrowserWindow.h"
#include "shell/ConfigWindow.h"
#include "shell/PlayerWindow.h"
#include "shell/formaster.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace vireo {

App::App(SettingsStore& settings, Dialogs& dialogs, ProgramFolder folder)
    : settings_(settings), dialogs_(dialogs), folder_(std::move(folder)),
      favorites_(folder_.path(QStringLiteral("\\bookmarks.vro")))
{
}

App::~App()
{
    // The About box has no owner window, so nothing else deletes one still open at the end.
    delete about_.data();
}

QString App::read(const SettingKey& key) const
{
    return settings::read(settings_, key);
}

bool App::isOn(const SettingKey& key, settings::SwitchRule rule) const
{
    return settings::isOn(settings_, key, rule);
}

bool App::write(const SettingKey& key, const QString& value)
{
    return settings::write(settings_, key, value);
}

QWidget* App::show(QWidget* window, const WindowKind& kind)
{
    if (!window)
        return nullptr;
    QPointer<QWidget> guard(window);
    if (kind.owned && master_)
        master_->ownWindow(window,
                           kind.dialog ? formaster::Owned::Dialog : formaster::Owned::Window);
    if (kind.mdiChild && master_)
        master_->addChildWindow(window);
    else
        window->show();
    // A window may close itself while it loads (a blocked browser window does).
    return guard.data();
}

void App::bringForward(QWidget* window)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget())) {
        if (sub->isMinimized())
            sub->showNormal();
        if (QMdiArea* area = sub->mdiArea())
            area->setActiveSubWindow(sub);
        return;
    }
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

BrowserWindow* App::newBrowser()
{
    if (!browserKind.create)
        return nullptr;
    QWidget* window = show(browserKind.create(*this), browserKind);
    return dynamic_cast<BrowserWindow*>(window);
}

QWidget* App::single(WindowKind& kind, QPointer<QWidget>& slot)
{
    if (slot) {
        bringForward(slot);
        return slot;
    }
    if (!kind.create)
        return nullptr;
    slot = kind.create(*this);
    return show(slot, kind);
}

QWidget* App::openWindow(const WindowKind& kind) const
{
    if (&kind == &journalKind)
        return journal_;
    if (&kind == &phonebookKind)
        return phonebook_;
    if (&kind == &mp3Kind)
        return mp3_;
    if (&kind == &optionsKind)
        return options_;
    if (&kind == &configKind)
        return config_;
    if (&kind == &aboutKind)
        return about_;
    if (&kind == &organizeKind)
        return organize_;
    return nullptr;
}

QWidget* App::journal()
{
    return single(journalKind, journal_);
}
QWidget* App::phonebook()
{
    return single(phonebookKind, phonebook_);
}
PlayerWindow* App::mp3()
{
    return dynamic_cast<PlayerWindow*>(single(mp3Kind, mp3_));
}
QWidget* App::options()
{
    return single(optionsKind, options_);
}
ConfigWindow* App::config()
{
    return dynamic_cast<ConfigWindow*>(single(configKind, config_));
}
QWidget* App::about()
{
    return single(aboutKind, about_);
}
QWidget* App::organize()
{
    return single(organizeKind, organize_);
}

void App::endProgram()
{
    if (ended_)
        return;
    ended_ = true;
    Q_EMIT ended();
}

} // namespace vireo
