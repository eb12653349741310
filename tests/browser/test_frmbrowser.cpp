#include "browser/frmbrowser.h"
#include "platform/Twips.h"
#include "platform/fakes/FakeWebBrowser.h"
#include "shell/App.h"
#include "shell/ClickLabel.h"
#include "shell/ProductSite.h"
#include "shell/formaster.h"
#include "support/WindowsFixture.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace vireo;

namespace {

struct Fixture : test::WindowsFixture {
    frmbrowser* open() { return dynamic_cast<frmbrowser*>(app.newBrowser()); }

    QList<QMdiSubWindow*> windows() const
    {
        return master->controlsForTest().mdiArea->subWindowList();
    }

    void show()
    {
        master->show();
        QVERIFY(QTest::qWaitForWindowExposed(master.get()));
    }
};

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

int px(double twipsValue)
{
    return twips::toPixels(twipsValue);
}

} // namespace

class TestFrmbrowser : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void blockedBrowsingLeavesNoWindow();
    void loadOpensTheStartPage();
    void emptyStartPageLeavesThePageBlank();
    void ptionsHidesCommands_data();
    void ptionsHidesCommands();
    void downloadEventsDriveTheBusyAnimationAndBar();
    void progressEvents_data();
    void progressEvents();
    void statusTextGoesToTheStatusLabel();
    void statusTextWritesTheLogWhenLogging_data();
    void statusTextWritesTheLogWhenLogging();
    void titleChangeUsesTheComponentsValues();
    void masterButtonsActOnTheActiveBrowserOnly();
    void linkPanelOpensAndCloses();
    void splitterDragAndRelease();
    void timerClosesBlockedWindows();
    void unloadHidesTheProgressBar();
    void menuCaptionsAndShortcuts_data();
    void menuCaptionsAndShortcuts();
    void menusReplaceTheMastersWhileActive();
    void helpCommandsNavigateThisWindow();
    void componentCommands();
    void webBrowserAndExitCommands();
    void newmeSizesTheFirstWindow();
};

void TestFrmbrowser::blockedBrowsingLeavesNoWindow()
{
    Fixture f;
    f.settings.write(QStringLiteral("vro"), QStringLiteral("startup"), QStringLiteral("startpage"),
                     QStringLiteral("https://start.example/"));
    f.app.browseblocked = QStringLiteral("1");
    QCOMPARE(f.app.newBrowser(), nullptr);
    flushDeletes();
    QVERIFY(f.windows().isEmpty());
    QVERIFY(f.master->findChildren<frmbrowser*>().isEmpty());
}

void TestFrmbrowser::loadOpensTheStartPage()
{
    Fixture f;
    f.settings.write(QStringLiteral("vro"), QStringLiteral("startup"), QStringLiteral("startpage"),
                     QStringLiteral("https://start.example/"));
    f.show();
    frmbrowser* w = f.open();
    QVERIFY(w);
    QCOMPARE(f.windows().size(), 1);
    QCOMPARE(f.pages.last()->calls, QStringList{QStringLiteral("Navigate https://start.example/")});
    QCOMPARE(w->windowTitle(), QStringLiteral("Vireo"));
    QVERIFY(w->Picture1->isHidden());
    QVERIFY(w->List2->isHidden());
    QVERIFY(w->List3->isHidden());
    QVERIFY(w->Picture2->isHidden());
    QVERIFY(w->Timer1->isActive());
    QCOMPARE(w->Timer1->interval(), 500);
    // The page fills the window.
    QCOMPARE(w->page->geometry(), w->rect());
}

void TestFrmbrowser::emptyStartPageLeavesThePageBlank()
{
    Fixture f;
    QVERIFY(f.open());
    QVERIFY(f.pages.last()->calls.isEmpty());
}

void TestFrmbrowser::ptionsHidesCommands_data()
{
    QTest::addColumn<QString>("mp3Setting");
    QTest::addColumn<QString>("searchSetting");
    QTest::addColumn<bool>("mp3Shown");
    QTest::addColumn<bool>("searchesShown");
    QTest::newRow("both allowed") << "0"
                                  << "0" << true << true;
    QTest::newRow("absent") << ""
                            << "" << true << true;
    QTest::newRow("mp3 disabled") << "1"
                                  << "0" << false << true;
    QTest::newRow("searches disabled") << "0"
                                       << "1" << true << false;
    QTest::newRow("both disabled") << "1"
                                   << "1" << false << false;
    // Compared as numbers.
    QTest::newRow("as numbers") << "1.0"
                                << " 1" << false << false;
    QTest::newRow("not a number") << "yes"
                                  << "on" << true << true;
}

void TestFrmbrowser::ptionsHidesCommands()
{
    QFETCH(QString, mp3Setting);
    QFETCH(QString, searchSetting);
    QFETCH(bool, mp3Shown);
    QFETCH(bool, searchesShown);
    Fixture f;
    f.settings.write(QStringLiteral("vro"), QStringLiteral("settings"), QStringLiteral("1"),
                     mp3Setting);
    f.settings.write(QStringLiteral("vro"), QStringLiteral("settings"), QStringLiteral("3"),
                     searchSetting);
    frmbrowser* w = f.open();
    QVERIFY(w);
    QCOMPARE(w->mnu_mp3->isVisible(), mp3Shown);
    QCOMPARE(w->mnu_searchcd->isVisible(), searchesShown);
    QCOMPARE(w->mnu_cd->isVisible(), searchesShown);
    QCOMPARE(w->mnu_movie->isVisible(), searchesShown);
    // Nothing else is hidden.
    QVERIFY(w->mnu_search->isVisible());
    QVERIFY(w->mnu_horoscope->isVisible());
}

void TestFrmbrowser::downloadEventsDriveTheBusyAnimationAndBar()
{
    Fixture f;
    QVERIFY(f.open());
    FakeWebBrowser* fake = f.pages.last();
    formaster& m = *f.master;
    Q_EMIT fake->DownloadBegin();
    QVERIFY(m.controlsForTest().Timer10->isActive());
    QVERIFY(!m.controlsForTest().ProgressBar1->isHidden());
    Q_EMIT fake->ProgressChange(40, 100);
    QCOMPARE(m.controlsForTest().ProgressBar1->value(), 40);
    Q_EMIT fake->DownloadComplete();
    for (QTimer* t : {m.controlsForTest().Timer10, m.controlsForTest().Timer20,
                      m.controlsForTest().Timer30, m.controlsForTest().Timer40})
        QVERIFY(!t->isActive());
    QCOMPARE(m.controlsForTest().ProgressBar1->value(), 100);
    QVERIFY(m.controlsForTest().ProgressBar1->isHidden());
}

void TestFrmbrowser::progressEvents_data()
{
    QTest::addColumn<int>("progress");
    QTest::addColumn<int>("progressMax");
    QTest::addColumn<int>("expected");
    // The bar starts at 30.
    QTest::newRow("finished") << -1 << 0 << 100;
    QTest::newRow("zero progress") << 0 << 100 << 30;
    QTest::newRow("zero max") << 70 << 0 << 30;
    QTest::newRow("ordinary") << 3 << 4 << 75;
    QTest::newRow("32-bit overflow") << 30000000 << 60000000 << 30;
    QTest::newRow("just fits") << 21474836 << 42949672 << 50;
}

void TestFrmbrowser::progressEvents()
{
    QFETCH(int, progress);
    QFETCH(int, progressMax);
    QFETCH(int, expected);
    Fixture f;
    QVERIFY(f.open());
    f.master->controlsForTest().ProgressBar1->setValue(30);
    Q_EMIT f.pages.last()->ProgressChange(progress, progressMax);
    QCOMPARE(f.master->controlsForTest().ProgressBar1->value(), expected);
}

void TestFrmbrowser::statusTextGoesToTheStatusLabel()
{
    Fixture f;
    QVERIFY(f.open());
    Q_EMIT f.pages.last()->StatusTextChange(QStringLiteral("Opening page https://a.example/"));
    QCOMPARE(f.master->controlsForTest().Label22->text(),
             QStringLiteral("Opening page https://a.example/"));
    Q_EMIT f.pages.last()->StatusTextChange(QStringLiteral("Done"));
    QCOMPARE(f.master->controlsForTest().Label22->text(), QStringLiteral("Done"));
}

void TestFrmbrowser::statusTextWritesTheLogWhenLogging_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<bool>("written");
    QTest::newRow("logging on") << "1" << true;
    QTest::newRow("off") << "0" << false;
    QTest::newRow("absent") << "" << false;
    // Compared as text, not as a number.
    QTest::newRow("1.0 is not 1") << "1.0" << false;
}

void TestFrmbrowser::statusTextWritesTheLogWhenLogging()
{
    QFETCH(QString, setting);
    QFETCH(bool, written);
    Fixture f;
    f.settings.write(QStringLiteral("vro"), QStringLiteral("settings"), QStringLiteral("2"),
                     setting);
    QVERIFY(f.open());
    FakeWebBrowser* fake = f.pages.last();
    fake->locationURL = QStringLiteral("https://bands.example/");
    Q_EMIT fake->TitleChange(QString());
    const QString log = f.dir.filePath(QStringLiteral("log.txt"));
    QVERIFY(!QFile::exists(log));
    Q_EMIT fake->StatusTextChange(QStringLiteral("Done"));
    QCOMPARE(QFile::exists(log), written);
    if (!written)
        return;
    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("https://bands.example/"));

    // Every status change writes again, with what was visited since.
    fake->locationURL = QStringLiteral("https://tv.example/");
    Q_EMIT fake->TitleChange(QString());
    Q_EMIT fake->StatusTextChange(QStringLiteral("Opening page https://tv.example/..."));
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY(content.contains("https://bands.example/"));
    QVERIFY(content.contains("https://tv.example/"));
}

void TestFrmbrowser::titleChangeUsesTheComponentsValues()
{
    Fixture f;
    frmbrowser* w = f.open();
    QVERIFY(w);
    FakeWebBrowser* fake = f.pages.last();
    fake->locationName = QStringLiteral("Cool Bands");
    fake->locationURL = QStringLiteral("https://bands.example/");
    // The text passed with the event is not what the window shows.
    Q_EMIT fake->TitleChange(QStringLiteral("something else"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Cool Bands"));
    QCOMPARE(f.windows().first()->windowTitle(), QStringLiteral("Cool Bands"));
    QCOMPARE(f.master->controlsForTest().Combo1->currentText(),
             QStringLiteral("https://bands.example/"));
    // Every title change is logged, the same address again too.
    Q_EMIT fake->TitleChange(QString());
    QCOMPARE(f.master->controlsForTest().Combo9->count(), 2);
    QCOMPARE(f.master->controlsForTest().Combo9->itemText(0),
             QStringLiteral("https://bands.example/"));
    QCOMPARE(f.master->controlsForTest().Combo9->itemText(1),
             QStringLiteral("https://bands.example/"));
}

void TestFrmbrowser::masterButtonsActOnTheActiveBrowserOnly()
{
    Fixture f;
    f.show();
    QVERIFY(f.open());
    FakeWebBrowser* fake = f.pages.last();
    f.master->controlsForTest().mdiArea->setActiveSubWindow(f.windows().first());
    f.master->Image1_Click();
    f.master->Image2_Click();
    f.master->Image3_Click();
    f.master->Image4_Click();
    QCOMPARE(fake->calls, (QStringList{QStringLiteral("GoBack"), QStringLiteral("GoForward"),
                                       QStringLiteral("Stop"), QStringLiteral("Refresh")}));

    // Another kind of child window is active: the buttons do nothing.
    auto* other = new QWidget;
    other->setWindowTitle(QStringLiteral("Journal"));
    QMdiSubWindow* sub = f.master->addChildWindow(other);
    f.master->controlsForTest().mdiArea->setActiveSubWindow(sub);
    fake->calls.clear();
    f.master->Image1_Click();
    f.master->Image2_Click();
    f.master->Image4_Click();
    f.master->Image5_Click();
    QVERIFY(fake->calls.isEmpty());
}

void TestFrmbrowser::linkPanelOpensAndCloses()
{
    Fixture f;
    f.show();
    frmbrowser* w = f.open();
    QVERIFY(w);
    w->mnu_music->trigger();
    QVERIFY(!w->Picture1->isHidden());
    QVERIFY(!w->List2->isHidden());
    QVERIFY(!w->Picture2->isHidden());
    QVERIFY(w->List3->isHidden());
    QCOMPARE(w->Label1->text(), QStringLiteral("Music"));
    QCOMPARE(w->geometryTwips().page.left, 2090.0);
    QCOMPARE(w->page->x(), px(2090));
    QCOMPARE(w->page->width(), w->width() - px(2090));
    QCOMPARE(w->Picture1->width(), px(2040));

    // Another category replaces the title, the panel stays where it is.
    w->mnu_tv->trigger();
    QCOMPARE(w->Label1->text(), QStringLiteral("TV"));
    QCOMPARE(w->page->x(), px(2090));

    QTest::mouseClick(w->label2, Qt::LeftButton);
    QVERIFY(w->Picture1->isHidden());
    QVERIFY(w->List2->isHidden());
    QVERIFY(w->Picture2->isHidden());
    QCOMPARE(w->geometryTwips().page.left, 0.0);
    QCOMPARE(w->page->geometry(), w->rect());
}

void TestFrmbrowser::splitterDragAndRelease()
{
    Fixture f;
    f.show();
    frmbrowser* w = f.open();
    QVERIFY(w);
    w->mnu_bands->trigger();
    const double clientWidth = twips::fromPixels(w->width());

    // A real drag: grabbed 1 pixel in, moved 20 pixels right, released.
    const QPointF grab(1, 5);
    QMouseEvent press(QEvent::MouseButtonPress, grab, w->Picture2->mapToGlobal(grab),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w->Picture2, &press);
    const QPointF to(21, 5);
    QMouseEvent move(QEvent::MouseMove, to, w->Picture2->mapToGlobal(to), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w->Picture2, &move);
    QCOMPARE(w->geometryTwips().Picture2.left, 2040.0 + 300);
    QCOMPARE(w->Picture2->x(), px(2340));
    // Moving without the button held does nothing.
    QMouseEvent hover(QEvent::MouseMove, to, w->Picture2->mapToGlobal(to), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w->Picture2, &hover);
    QCOMPARE(w->geometryTwips().Picture2.left, 2340.0);
    QMouseEvent release(QEvent::MouseButtonRelease, to, w->Picture2->mapToGlobal(to),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w->Picture2, &release);
    // Events that are not mouse events pass the splitter by.
    QEnterEvent enter(grab, grab, w->Picture2->mapToGlobal(grab));
    QCoreApplication::sendEvent(w->Picture2, &enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(w->Picture2, &leave);

    const BrowserGeometry& g = w->geometryTwips();
    QCOMPARE(g.label2.left, 2340.0 - 400);
    QCOMPARE(g.List2.width, 2330.0);
    QCOMPARE(g.page.left, 2390.0);
    QCOMPARE(g.Picture1.width, 2330.0);
    QCOMPARE(g.page.width, clientWidth - 2330 - 65);
    QCOMPARE(w->page->x(), px(2390));
    QCOMPARE(w->List2->width(), px(2330));
}

void TestFrmbrowser::timerClosesBlockedWindows()
{
    Fixture f;
    QVERIFY(f.open());
    QVERIFY(f.open());
    QCOMPARE(f.windows().size(), 2);
    auto* first = dynamic_cast<frmbrowser*>(f.windows().first()->widget());
    first->Timer1_Timer();
    flushDeletes();
    QCOMPARE(f.windows().size(), 2);

    f.app.browseblocked = QStringLiteral("1");
    // The real timers do it within half a second.
    QTRY_COMPARE_WITH_TIMEOUT(f.windows().size(), 0, 2000);
    QVERIFY(!f.app.hasEnded());
}

void TestFrmbrowser::unloadHidesTheProgressBar()
{
    Fixture f;
    QVERIFY(f.open());
    Q_EMIT f.pages.last()->DownloadBegin();
    Q_EMIT f.pages.last()->ProgressChange(20, 100);
    f.windows().first()->close();
    flushDeletes();
    QVERIFY(f.windows().isEmpty());
    QCOMPARE(f.master->controlsForTest().ProgressBar1->value(), 100);
    QVERIFY(f.master->controlsForTest().ProgressBar1->isHidden());
    QVERIFY(!f.master->controlsForTest().Timer10->isActive());
}

void TestFrmbrowser::menuCaptionsAndShortcuts_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("captions"); // items in order, "-" a separator
    QTest::addColumn<QString>("shortcuts");
    QTest::newRow("Start")
        << "&Start"
        << "&Web Browser|&Journal|&Phone Book|&Homework Help|MP3|S&earch|Search for CD's|-|&Open|"
           "&Save As|P&rint|-|Make current Start Page|Options|Print Setup|-|&Exit"
        << "Ctrl+W|Ctrl+J|Ctrl+B|Ctrl+E||Ctrl+S|||Ctrl+O||Ctrl+P||Ctrl+M||||";
    QTest::newRow("Entertainment")
        << "&Entertainment"
        << "Bands|Chat|Magazines|Movies|Music|Sports|TV|Video Games|-|Search for CD's|"
           "Search for Movies|-|Get your Horoscope|Send an IM"
        << "|||||||||||||";
    QTest::newRow("Favorites") << "&Favorites"
                               << "Add to Favorites|Organize Favorites|-"
                               << "F2||";
    QTest::newRow("Windows") << "&Windows"
                             << ""
                             << "";
    QTest::newRow("Help") << "&Help"
                          << "&Update|Feedback!|Help!|-|About"
                          << "||Ctrl+H||";
}

void TestFrmbrowser::menuCaptionsAndShortcuts()
{
    QFETCH(QString, menu);
    QFETCH(QString, captions);
    QFETCH(QString, shortcuts);
    Fixture f;
    frmbrowser* w = f.open();
    QVERIFY(w);
    QMenu* found = nullptr;
    for (QMenu* m : w->childMenus()) {
        if (m->title() == menu)
            found = m;
    }
    QVERIFY(found);
    QStringList gotCaptions, gotShortcuts;
    for (QAction* a : found->actions()) {
        gotCaptions.append(a->isSeparator() ? QStringLiteral("-") : a->text());
        gotShortcuts.append(a->shortcut().toString());
    }
    QCOMPARE(gotCaptions.join(QLatin1Char('|')), captions);
    QCOMPARE(gotShortcuts.join(QLatin1Char('|')), shortcuts);
}

void TestFrmbrowser::menusReplaceTheMastersWhileActive()
{
    Fixture f;
    f.show();
    QVERIFY(f.open());
    f.master->controlsForTest().mdiArea->setActiveSubWindow(f.windows().first());
    QStringList titles;
    for (QAction* a : f.master->menuBar()->actions())
        titles.append(a->text());
    QCOMPARE(titles, (QStringList{QStringLiteral("&Start"), QStringLiteral("&Entertainment"),
                                  QStringLiteral("&Favorites"), QStringLiteral("&Windows"),
                                  QStringLiteral("&Help")}));

    // Its shortcuts reach it through the master's menu bar: Ctrl+W opens another window. The
    // child's frame must not claim the same key, or the key does nothing on desktops that
    // give it to Close.
    for (QAction* a : f.windows().first()->systemMenu()->actions())
        QVERIFY(!a->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)));
    QApplication::setActiveWindow(f.master.get());
    QTest::keyClick(f.master.get(), Qt::Key_W, Qt::ControlModifier);
    QTRY_COMPARE(f.windows().size(), 2);
}

void TestFrmbrowser::helpCommandsNavigateThisWindow()
{
    Fixture f;
    frmbrowser* w = f.open();
    QVERIFY(w);
    FakeWebBrowser* fake = f.pages.last();
    w->mnu_htmlhelp->trigger();
    w->mnu_update->trigger();
    w->mnu_feedback->trigger();
    QCOMPARE(fake->calls,
             (QStringList{
                 QStringLiteral("Navigate ") + f.dir.path() + QStringLiteral("/help.html"),
                 QStringLiteral("Navigate ") + f.dir.path() + QStringLiteral("/update.html"),
                 QStringLiteral("Navigate ") + f.dir.path() + QStringLiteral("/feedback.html")}));
    // No other window was opened for them.
    QCOMPARE(f.windows().size(), 1);
}

void TestFrmbrowser::componentCommands()
{
    Fixture f;
    frmbrowser* w = f.open();
    QVERIFY(w);
    FakeWebBrowser* fake = f.pages.last();
    w->mnu_print->trigger();
    w->mnu_printsetup->trigger();
    w->mnu_saveas->trigger();
    QCOMPARE(fake->calls, (QStringList{QStringLiteral("ExecWB 6 2"), QStringLiteral("ExecWB 8 2"),
                                       QStringLiteral("ExecWB 4 2")}));

    fake->locationURL = QStringLiteral("https://teen.example/news");
    f.settings.clearWrites();
    w->mnu_startpage->trigger();
    QCOMPARE(f.settings.writes().size(), 1);
    QCOMPARE(f.settings.read(QStringLiteral("vro"), QStringLiteral("startup"),
                             QStringLiteral("startpage")),
             QStringLiteral("https://teen.example/news"));
}

void TestFrmbrowser::webBrowserAndExitCommands()
{
    Fixture f;
    frmbrowser* w = f.open();
    QVERIFY(w);
    w->mnu_webbrowser->trigger();
    w->mnu_webbrowser->trigger();
    QCOMPARE(f.windows().size(), 3);

    // Exit closes this browser window only.
    w->mnu_exit->trigger();
    flushDeletes();
    QCOMPARE(f.windows().size(), 2);
    QVERIFY(!f.app.hasEnded());
}

void TestFrmbrowser::newmeSizesTheFirstWindow()
{
    Fixture f;
    f.show();
    f.master->newme();
    QCOMPARE(f.windows().size(), 1);
    QCOMPARE(f.windows().first()->size(), QSize(px(7905), px(5000)));
    // The window's own layout follows its new size.
    auto* w = dynamic_cast<frmbrowser*>(f.windows().first()->widget());
    QCOMPARE(w->page->geometry(), w->rect());
}

QTEST_MAIN(TestFrmbrowser)
#include "test_frmbrowser.moc"
