#include "shell/MenuBuilder.h"

#include "platform/WebBrowser.h"
#include "shell/App.h"
#include "shell/BrowserWindow.h"
#include "shell/ConfigWindow.h"
#include "shell/ProductSite.h"
#include "shell/Settings.h"
#include "shell/formaster.h"

#include <QAction>
#include <QMenu>

namespace vireo {

MenuBuilder::MenuBuilder(App& app, QWidget* window) : app_(app), window_(window) {}

QMenu* MenuBuilder::menu(const char* caption, const char* name) const
{
    auto* m = new QMenu(QString::fromUtf8(caption), window_);
    m->setObjectName(QLatin1String(name));
    return m;
}

QAction* MenuBuilder::item(QMenu* menu, const char* caption, const char* name,
                           const QKeySequence& keys) const
{
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QLatin1String(name));
    if (!keys.isEmpty())
        action->setShortcut(keys);
    return action;
}

QAction* MenuBuilder::command(QMenu* menu, ProgramCommand command, const char* caption,
                              const char* name, const QKeySequence& keys) const
{
    QAction* action = item(menu, caption, name, keys);
    // A copy: the builder is usually gone by the time the item is chosen.
    QObject::connect(action, &QAction::triggered, window_,
                     [builder = *this, command] { builder.run(command); });
    return action;
}

QMenu* MenuBuilder::windowsMenu(const char* caption, const char* name) const
{
    QMenu* m = menu(caption, name);
    if (formaster* master = app_.master())
        master->listChildWindows(m);
    return m;
}

ProgramMenus MenuBuilder::programMenus() const
{
    using C = ProgramCommand;
    ProgramMenus p;
    p.mnu_start = menu("&Start", "mnu_start");
    p.mnu_webbrowser = command(p.mnu_start, C::WebBrowser, "&Web Browser", "mnu_webbrowser");
    p.mnu_journal = command(p.mnu_start, C::Journal, "&Journal", "mnu_journal");
    p.mnu_phonebook = command(p.mnu_start, C::PhoneBook, "&Phone Book", "mnu_phonebook");
    p.mnu_homeworkhelp =
        command(p.mnu_start, C::HomeworkHelp, "&Homework Help", "mnu_homeworkhelp");
    p.mnu_mp3 = command(p.mnu_start, C::Mp3, "&MP3", "mnu_mp3");
    p.mnu_search = command(p.mnu_start, C::Search, "&Search", "mnu_search");
    p.mnu_rights = command(p.mnu_start, C::TeenRights, "&Teen Rights", "mnu_rights");
    p.mnu_start->addSeparator();
    p.mnu_open = command(p.mnu_start, C::Open, "&Open", "mnu_open");
    p.mnu_options = command(p.mnu_start, C::Options, "O&ptions", "mnu_options");
    p.mnu_start->addSeparator();
    p.mnu_exit = command(p.mnu_start, C::Exit, "&Exit", "mnu_exit");

    p.mnu_windows = windowsMenu("&Windows", "mnu_windows");

    p.mnu_help = menu("&Help", "mnu_help");
    p.mnu_update = command(p.mnu_help, C::Update, "&Update", "mnu_update");
    p.mnu_feedback = command(p.mnu_help, C::Feedback, "&Feedback", "mnu_feedback");
    p.mnu_htmlhelp = command(p.mnu_help, C::HtmlHelp, "&Help", "mnu_htmlhelp");
    p.mnu_help->addSeparator();
    p.mnu_about = command(p.mnu_help, C::About, "&About", "mnu_about");

    if (settings::isOn(app_.settings(), settings::mp3Disabled, settings::SwitchRule::Text))
        p.mnu_mp3->setVisible(false);
    return p;
}

void MenuBuilder::openPage(const QString& address) const
{
    if (formaster* master = app_.master()) {
        master->openPage(address);
        return;
    }
    if (BrowserWindow* browser = app_.newBrowser())
        browser->WebBrowser1().Navigate(address);
}

void MenuBuilder::run(ProgramCommand command) const
{
    formaster* master = app_.master();
    switch (command) {
    case ProgramCommand::WebBrowser:
        app_.newBrowser();
        return;
    case ProgramCommand::Journal:
        app_.journal();
        return;
    case ProgramCommand::PhoneBook:
        app_.phonebook();
        return;
    case ProgramCommand::HomeworkHelp:
        if (master)
            master->openHomeworkHelp();
        return;
    case ProgramCommand::Mp3:
        app_.mp3();
        return;
    case ProgramCommand::Search:
        if (ConfigWindow* config = app_.config())
            config->showPanel(ConfigWindow::Panel::WebSearch, QStringLiteral("Search"));
        return;
    case ProgramCommand::TeenRights:
        openPage(app_.folder().path(QStringLiteral("\\rights.html")));
        return;
    case ProgramCommand::Open:
        if (ConfigWindow* config = app_.config())
            config->showPanel(ConfigWindow::Panel::Open, QStringLiteral("Open"));
        return;
    case ProgramCommand::Options:
        app_.options();
        return;
    case ProgramCommand::Exit:
        if (master)
            master->mnu_exit_Click();
        else
            app_.endProgram();
        return;
    case ProgramCommand::Update:
        openPage(app_.folder().path(site::localUpdatePage()));
        return;
    case ProgramCommand::Feedback:
        openPage(app_.folder().path(site::localFeedbackPage()));
        return;
    case ProgramCommand::HtmlHelp:
        openPage(app_.folder().path(QStringLiteral("\\help.html")));
        return;
    case ProgramCommand::About:
        app_.about();
        return;
    }
}

} // namespace vireo
