#pragma once

#include "browser/HomeworkPanel.h"
#include "browser/frmbrowser.h"
#include "browser/frmdelete.h"
#include "journal/frmjournal.h"
#include "parental/frmmisc.h"
#include "phonebook/frmpim.h"
#include "player/frmmp3.h"
#include "shell/App.h"
#include "support/WindowsFixture.h"

#include <QCoreApplication>
#include <QTabBar>
#include <QTest>
#include <functional>

namespace vireo::test {

// Every window and panel of the program as a user meets it, opened over fakes with the master
// window shown: each opener returns the window to look at, with its panel showing.
struct WindowOpener {
    const char* name;
    std::function<QWidget*(WindowsFixture&)> open;
};

inline QWidget* shownMaster(WindowsFixture& f)
{
    f.master->show();
    return QTest::qWaitForWindowExposed(f.master.get()) ? f.master.get() : nullptr;
}

inline frmbrowser* openBrowser(WindowsFixture& f)
{
    shownMaster(f);
    return dynamic_cast<frmbrowser*>(f.app.newBrowser());
}

inline QWidget* shownTopLevel(QWidget* w)
{
    if (!w)
        return nullptr;
    w->show();
    w->activateWindow();
    return QTest::qWaitForWindowExposed(w) ? w : nullptr;
}

inline QWidget* openConfig(WindowsFixture& f, ConfigWindow::Panel panel, const char* caption)
{
    shownMaster(f);
    ConfigWindow* config = f.app.config();
    if (!config)
        return nullptr;
    config->showPanel(panel, QString::fromUtf8(caption));
    return shownTopLevel(f.app.openWindow(f.app.configKind));
}

inline const std::vector<WindowOpener>& windowOpeners()
{
    using Panel = ConfigWindow::Panel;
    static const std::vector<WindowOpener> openers = {
        {"master", shownMaster},
        {"browser", [](WindowsFixture& f) -> QWidget* { return openBrowser(f); }},
        {"browser, link panel",
         [](WindowsFixture& f) -> QWidget* {
             frmbrowser* w = openBrowser(f);
             if (w)
                 w->mnu_bands->trigger();
             return w;
         }},
        {"browser, homework help",
         [](WindowsFixture& f) -> QWidget* {
             frmbrowser* w = openBrowser(f);
             if (w)
                 w->mnu_homeworkhelp->trigger();
             return w;
         }},
        {"browser, homework help's instructions",
         [](WindowsFixture& f) -> QWidget* {
             frmbrowser* w = openBrowser(f);
             if (w) {
                 w->mnu_homeworkhelp->trigger();
                 w->homework->Command1_Click();
             }
             return w;
         }},
        {"browser, IM panel",
         [](WindowsFixture& f) -> QWidget* {
             frmbrowser* w = openBrowser(f);
             if (w)
                 w->mnu_im->trigger();
             return w;
         }},
        {"player",
         [](WindowsFixture& f) -> QWidget* {
             shownMaster(f);
             return shownTopLevel(dynamic_cast<QWidget*>(f.app.mp3()));
         }},
        {"player, help",
         [](WindowsFixture& f) -> QWidget* {
             shownMaster(f);
             auto* w = dynamic_cast<frmmp3*>(f.app.mp3());
             if (w)
                 w->Label10_Click();
             return shownTopLevel(w);
         }},
        {"options",
         [](WindowsFixture& f) { return (shownMaster(f), shownTopLevel(f.app.options())); }},
        {"options, teen options",
         [](WindowsFixture& f) -> QWidget* {
             shownMaster(f);
             QWidget* w = shownTopLevel(f.app.options());
             if (auto* tabs = w ? w->findChild<QTabBar*>(QStringLiteral("tbsOptions")) : nullptr)
                 tabs->setCurrentIndex(1);
             return w;
         }},
        {"options, parental options",
         [](WindowsFixture& f) -> QWidget* {
             shownMaster(f);
             QWidget* w = shownTopLevel(f.app.options());
             if (auto* tabs = w ? w->findChild<QTabBar*>(QStringLiteral("tbsOptions")) : nullptr)
                 tabs->setCurrentIndex(2);
             return w;
         }},
        {"configuration",
         [](WindowsFixture& f) { return openConfig(f, Panel::Configuration, "Configuration"); }},
        {"what's new",
         [](WindowsFixture& f) { return openConfig(f, Panel::WhatsNew, "What's New?"); }},
        {"parental override",
         [](WindowsFixture& f) { return openConfig(f, Panel::Override, "Parental override"); }},
        {"open", [](WindowsFixture& f) { return openConfig(f, Panel::Open, "Open"); }},
        {"web search", [](WindowsFixture& f) { return openConfig(f, Panel::WebSearch, "Search"); }},
        {"mp3 search",
         [](WindowsFixture& f) { return openConfig(f, Panel::Mp3Search, "MP3 Search"); }},
        {"organize favorites",
         [](WindowsFixture& f) { return (shownMaster(f), shownTopLevel(f.app.organize())); }},
        {"organize favorites, help",
         [](WindowsFixture& f) -> QWidget* {
             shownMaster(f);
             QWidget* w = shownTopLevel(f.app.organize());
             if (auto* organize = dynamic_cast<frmdelete*>(w))
                 organize->Command3_Click();
             return w;
         }},
        {"phone book", [](WindowsFixture& f) { return (shownMaster(f), f.app.phonebook()); }},
        {"phone book, help",
         [](WindowsFixture& f) -> QWidget* {
             shownMaster(f);
             auto* w = dynamic_cast<frmpim*>(f.app.phonebook());
             if (w)
                 w->gohelp_Click();
             return w;
         }},
        {"phone book, logon",
         [](WindowsFixture& f) {
             f.app.write(settings::phonebookLocked, QStringLiteral("1"));
             return (shownMaster(f), f.app.phonebook());
         }},
        {"journal", [](WindowsFixture& f) { return (shownMaster(f), f.app.journal()); }},
        {"journal, help",
         [](WindowsFixture& f) -> QWidget* {
             shownMaster(f);
             auto* w = dynamic_cast<frmjournal*>(f.app.journal());
             if (w)
                 w->gohelp_Click();
             return w;
         }},
        {"journal, logon",
         [](WindowsFixture& f) {
             f.app.write(settings::journalLocked, QStringLiteral("1"));
             return (shownMaster(f), f.app.journal());
         }},
        {"about", [](WindowsFixture& f) { return (shownMaster(f), shownTopLevel(f.app.about())); }},
    };
    return openers;
}

} // namespace vireo::test
