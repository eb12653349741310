#include "shell/MenuBuilder.h"
#include "shell/ProductSite.h"
#include "support/MasterFixture.h"

#include <QAction>
#include <QMenu>
#include <QTest>

using namespace vireo;
using namespace vireo::test;

namespace {

QStringList captions(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* a : menu->actions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

QStringList names(const QMenu* menu)
{
    QStringList result;
    for (const QAction* a : menu->actions()) {
        if (!a->isSeparator())
            result << a->objectName();
    }
    return result;
}

} // namespace

class TestMenuBuilder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void programMenusAsThePhoneBookAndJournalShowThem();
    void mp3HiddenOnlyBySettingOneAsText_data();
    void mp3HiddenOnlyBySettingOneAsText();
    void pagesOpenInNewBrowserWindows();
    void commandsOpenTheSingleWindows();
    void exitKeepsTheLogAndEndsTheProgram();
    void windowsMenuListsTheMastersChildren();
};

void TestMenuBuilder::programMenusAsThePhoneBookAndJournalShowThem()
{
    MasterFixture f;
    QWidget window;
    const ProgramMenus menus = MenuBuilder(f.app, &window).programMenus();
    QCOMPARE(menus.menus().size(), 3);
    QCOMPARE(menus.mnu_start->title(), QStringLiteral("&Start"));
    QCOMPARE(menus.mnu_windows->title(), QStringLiteral("&Windows"));
    QCOMPARE(menus.mnu_help->title(), QStringLiteral("&Help"));
    QCOMPARE(captions(menus.mnu_start),
             (QStringList{u"&Web Browser"_qs, u"&Journal"_qs, u"&Phone Book"_qs,
                          u"&Homework Help"_qs, u"&MP3"_qs, u"&Search"_qs, u"&Teen Rights"_qs,
                          u"-"_qs, u"&Open"_qs, u"O&ptions"_qs, u"-"_qs, u"&Exit"_qs}));
    QCOMPARE(names(menus.mnu_start),
             (QStringList{u"mnu_webbrowser"_qs, u"mnu_journal"_qs, u"mnu_phonebook"_qs,
                          u"mnu_homeworkhelp"_qs, u"mnu_mp3"_qs, u"mnu_search"_qs, u"mnu_rights"_qs,
                          u"mnu_open"_qs, u"mnu_options"_qs, u"mnu_exit"_qs}));
    QCOMPARE(captions(menus.mnu_help),
             (QStringList{u"&Update"_qs, u"&Feedback"_qs, u"&Help"_qs, u"-"_qs, u"&About"_qs}));
    QCOMPARE(names(menus.mnu_help), (QStringList{u"mnu_update"_qs, u"mnu_feedback"_qs,
                                                 u"mnu_htmlhelp"_qs, u"mnu_about"_qs}));
    QCOMPARE(menus.mnu_start->parent(), &window);
}

void TestMenuBuilder::mp3HiddenOnlyBySettingOneAsText_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("visible");
    QTest::newRow("on") << u"1"_qs << false;
    QTest::newRow("off") << u"0"_qs << true;
    QTest::newRow("absent") << QString() << true;
    QTest::newRow("spaced, as a number only") << u" 1"_qs << true;
}

void TestMenuBuilder::mp3HiddenOnlyBySettingOneAsText()
{
    QFETCH(QString, value);
    QFETCH(bool, visible);
    MasterFixture f;
    f.app.write(settings::mp3Disabled, value);
    QWidget window;
    const ProgramMenus menus = MenuBuilder(f.app, &window).programMenus();
    QCOMPARE(menus.mnu_mp3->isVisible(), visible);
}

void TestMenuBuilder::pagesOpenInNewBrowserWindows()
{
    MasterFixture f;
    QWidget window;
    const ProgramMenus menus = MenuBuilder(f.app, &window).programMenus();
    menus.mnu_rights->trigger();
    menus.mnu_htmlhelp->trigger();
    menus.mnu_update->trigger();
    menus.mnu_feedback->trigger();
    const QString navigate = QStringLiteral("Navigate ");
    QCOMPARE(f.browsers.size(), 4);
    QCOMPARE(f.browsers[0]->page.calls, QStringList{navigate + f.path("\\rights.html")});
    QCOMPARE(f.browsers[1]->page.calls, QStringList{navigate + f.path("\\help.html")});
    QCOMPARE(f.browsers[2]->page.calls, QStringList{navigate + f.path("\\update.html")});
    QCOMPARE(f.browsers[3]->page.calls, QStringList{navigate + f.path("\\feedback.html")});
}

// Each single window is made once and brought forward after that, whichever window's menu
// asked for it.
void TestMenuBuilder::commandsOpenTheSingleWindows()
{
    MasterFixture f;
    QStringList made;
    auto kind = [&made](const char* name) {
        return App::WindowKind{[&made, name](App&) {
                                   made << QLatin1String(name);
                                   return new QWidget;
                               },
                               false};
    };
    f.app.journalKind = kind("journal");
    f.app.phonebookKind = kind("phonebook");
    f.app.optionsKind = kind("options");
    f.app.aboutKind = kind("about");
    QWidget window;
    const ProgramMenus menus = MenuBuilder(f.app, &window).programMenus();
    for (QAction* a : {menus.mnu_journal, menus.mnu_phonebook, menus.mnu_options, menus.mnu_about,
                       menus.mnu_journal})
        a->trigger();
    QCOMPARE(made, (QStringList{u"journal"_qs, u"phonebook"_qs, u"options"_qs, u"about"_qs}));
    menus.mnu_webbrowser->trigger();
    QCOMPARE(f.browsers.size(), 1);
    QVERIFY(f.browsers[0]->page.calls.isEmpty());
    for (const App::WindowKind* k :
         {&f.app.journalKind, &f.app.phonebookKind, &f.app.optionsKind, &f.app.aboutKind})
        delete f.app.openWindow(*k);
}

// "&Exit" from any window is the master's: the browsing log and the seconds are kept.
void TestMenuBuilder::exitKeepsTheLogAndEndsTheProgram()
{
    MasterFixture f;
    f.app.secondsused = u"17"_qs;
    QWidget window;
    const ProgramMenus menus = MenuBuilder(f.app, &window).programMenus();
    f.m.pageVisited(u"https://a.example/"_qs);
    menus.mnu_exit->trigger();
    QVERIFY(f.app.hasEnded());
    QCOMPARE(f.app.read(settings::secondsUsed), u"17"_qs);
    QCOMPARE(f.contents("\\log.txt"), QByteArray("\"https://a.example/\"\r\n"));
}

void TestMenuBuilder::windowsMenuListsTheMastersChildren()
{
    MasterFixture f;
    auto* child = new QWidget;
    child->setWindowTitle(u"Phone Book"_qs);
    f.m.addChildWindow(child);
    QWidget window;
    const ProgramMenus menus = MenuBuilder(f.app, &window).programMenus();
    Q_EMIT menus.mnu_windows->aboutToShow();
    QCOMPARE(captions(menus.mnu_windows), QStringList{u"&1 Phone Book"_qs});
}

QTEST_MAIN(TestMenuBuilder)
#include "test_menu_builder.moc"
