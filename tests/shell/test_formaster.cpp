#include "platform/Twips.h"
#include "shell/ImageBox.h"
#include "shell/MdiChild.h"
#include "shell/PlayerWindow.h"
#include "shell/formaster.h"
#include "support/AppFixture.h"
#include "support/FakeBrowserWindow.h"
#include "support/MouseInput.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

using namespace vireo;
using namespace vireo::test;

namespace {

const QString dataDir = qEnvironmentVariable("VIREO_DATA_DIR");

// A program folder holding the shipped bitmaps named by `filter` (all by default).
void copyBitmaps(const QString& to, const QString& filter = QStringLiteral("*.bmp"))
{
    const QDir from(dataDir);
    for (const QString& name : from.entryList({filter}, QDir::Files))
        QFile::copy(from.filePath(name), to + QLatin1Char('/') + name);
}

// The mouse moving over a widget with no button held.
void hover(QWidget* widget, QPoint pos = QPoint(4, 4))
{
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), widget->mapToGlobal(QPointF(pos)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

bool samePicture(const QPixmap& a, const QString& file)
{
    return !a.isNull() && a.toImage() == QImage(file).convertToFormat(a.toImage().format());
}

// A child window that is not a browser window, with menus of its own.
class PlainChild : public QWidget, public MdiChild {
public:
    PlainChild() : menu(QStringLiteral("&Journal stuff")) { setWindowTitle(QStringLiteral("J")); }
    QList<QMenu*> childMenus() const override { return {const_cast<QMenu*>(&menu)}; }
    QMenu menu;
    bool refuseClose = false;

protected:
    void closeEvent(QCloseEvent* e) override
    {
        if (refuseClose)
            e->ignore();
    }
};

// A child window that tells when it is closed.
class WatchedChild : public QWidget {
public:
    explicit WatchedChild(std::function<void()> closing) : closing_(std::move(closing)) {}

protected:
    void closeEvent(QCloseEvent* e) override
    {
        closing_();
        QWidget::closeEvent(e);
    }

private:
    std::function<void()> closing_;
};

class FakePlayer : public QWidget, public PlayerWindow {
public:
    void loadplaylist(const QString& p) override { loaded.append(p); }
    void setPlaylistPath(const QString& p) override { path = p; }
    QStringList loaded;
    QString path;
};

struct Fixture : AppFixture {
    FakeBrowserWindows browsers;
    FakePlayer* player = nullptr;
    std::unique_ptr<formaster> m;

    explicit Fixture(bool bitmaps = true)
    {
        if (bitmaps)
            copyBitmaps(dir.path());
        useFakeBrowsers(app, browsers);
        app.mp3Kind = {[this](App&) {
                           player = new FakePlayer;
                           return static_cast<QWidget*>(player);
                       },
                       false};
    }
    ~Fixture() { delete player; }
    void setting(const char* key, const char* value)
    {
        settings.write(QStringLiteral("vro"), QStringLiteral("settings"), QLatin1String(key),
                       QLatin1String(value));
    }
    void pos(const char* key, const char* value)
    {
        settings.write(QStringLiteral("vro"), QStringLiteral("pos"), QLatin1String(key),
                       QLatin1String(value));
    }
    QString readPos(const char* key) const
    {
        return settings.read(QStringLiteral("vro"), QStringLiteral("pos"), QLatin1String(key));
    }
    formaster& load()
    {
        m = formaster::create(app);
        m->show();
        return *m;
    }
};

} // namespace

class TestFormaster : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void designSizeWithoutPlacement();
    void loadOpensTheFirstBrowserWindow();
    void skinFacesAndFrame();
    void onlyButtonBitmapsLeaveTheFrameBlank();
    void rightbarFeedsBothEdges();
    void hoverCaption();
    void hoverCaptionHidingByButton_data();
    void hoverCaptionHidingByButton();
    void pressedFaces();
    void busyAnimationCycles();
    void stopButtonStopsTheAnimation();
    void mp3ToolsDisabled();
    void commandLinePlaylist_data();
    void commandLinePlaylist();
    void placementRoundTrip();
    void badPlacementKeepsDesign_data();
    void badPlacementKeepsDesign();
    void exitWritesNothing();
    void closeWritesPlacementAndEnds();
    void childrenCloseBeforeTheUnload();
    void childRefusingToCloseKeepsTheProgram();
    void browserButtonsActOnlyOnBrowserWindows();
    void webBrowserButtonMakesNewWindows();
    void childMenusReplaceTheMasters();
    void newChildOpensInFrontAndActive();
    void statusStripShowsItsCornersAtEverySize();
    void shrinkingKeepsTheLauncherBarWhole();
    void playerIsOwnedAndListed();
    void dialogsStayOwnedWhenRemade();
};

void TestFormaster::designSizeWithoutPlacement()
{
    Fixture f;
    formaster& m = f.load();
    const QWidget* client = m.centralWidget();
    QCOMPARE(client->width(), twips::toPixels(8370));
    QCOMPARE(client->height(), twips::toPixels(5565));
    QCOMPARE(m.windowTitle(), QStringLiteral("Vireo"));
}

void TestFormaster::loadOpensTheFirstBrowserWindow()
{
    Fixture f;
    formaster& m = f.load();
    QCOMPARE(f.browsers.size(), 1);
    auto* sub = qobject_cast<QMdiSubWindow*>(f.browsers[0]->parentWidget());
    QVERIFY(sub);
    QCOMPARE(sub->size(), QSize(twips::toPixels(7905), twips::toPixels(5000)));
    QCOMPARE(m.controlsForTest().mdiArea->subWindowList().size(), 1);
}

void TestFormaster::skinFacesAndFrame()
{
    Fixture f;
    formaster& m = f.load();
    QVERIFY(samePicture(m.controlsForTest().Image6->picture(),
                        dataDir + QStringLiteral("/webbrowser.bmp")));
    QVERIFY(
        samePicture(m.controlsForTest().Image3->picture(), dataDir + QStringLiteral("/stop.bmp")));
    QVERIFY(samePicture(m.controlsForTest().bumper->picture(),
                        dataDir + QStringLiteral("/bumper3.bmp")));
    QVERIFY(samePicture(m.controlsForTest().topleft->picture(),
                        dataDir + QStringLiteral("/topleft.bmp")));
    QVERIFY(samePicture(m.controlsForTest().botleft->picture(),
                        dataDir + QStringLiteral("/leftbot.bmp")));
    // Faces that are not stretched take the size of their bitmap.
    QCOMPARE(m.controlsForTest().Image6->size(),
             QImage(dataDir + QStringLiteral("/webbrowser.bmp")).size());
}

void TestFormaster::onlyButtonBitmapsLeaveTheFrameBlank()
{
    Fixture f(false);
    for (const char* name : {"back", "foward", "stop", "refresh", "home", "webbrowser", "journal",
                             "phonebook", "homeworkhelp", "mp3", "search", "teenrights"})
        copyBitmaps(f.dir.path(), QLatin1String(name) + QStringLiteral(".bmp"));
    formaster& m = f.load();
    QVERIFY(!m.controlsForTest().Image1->picture().isNull());
    QVERIFY(!m.controlsForTest().Image14->picture().isNull());
    QVERIFY(m.controlsForTest().topleft->picture().isNull());
    QVERIFY(m.controlsForTest().midbar->picture().isNull());
    QVERIFY(m.controlsForTest().bumper->picture().isNull());
    // A missing pressed face shows nothing while pressed, and the face comes back on release.
    QTest::mousePress(m.controlsForTest().Image1, Qt::LeftButton);
    QVERIFY(m.controlsForTest().Image1->pixmap().isNull());
    QTest::mouseRelease(m.controlsForTest().Image1, Qt::LeftButton);
    QVERIFY(!m.controlsForTest().Image1->pixmap().isNull());
}

void TestFormaster::rightbarFeedsBothEdges()
{
    Fixture f;
    QImage own(6, 43, QImage::Format_RGB32);
    own.fill(QColor(200, 10, 10));
    QFile::remove(f.dir.filePath(QStringLiteral("rightbar.bmp")));
    QVERIFY(own.save(f.dir.filePath(QStringLiteral("rightbar.bmp")), "BMP"));
    formaster& m = f.load();
    QVERIFY(samePicture(m.controlsForTest().midrightbar->picture(),
                        f.dir.filePath(QStringLiteral("rightbar.bmp"))));
    QVERIFY(samePicture(m.controlsForTest().rightbar->picture(),
                        f.dir.filePath(QStringLiteral("rightbar.bmp"))));
}

void TestFormaster::hoverCaption()
{
    Fixture f;
    formaster& m = f.load();
    QVERIFY(!m.controlsForTest().Picture5->isVisible());
    hover(m.controlsForTest().Image6);
    QVERIFY(m.controlsForTest().Picture5->isVisible());
    QCOMPARE(m.controlsForTest().Label100->text(), QStringLiteral("Web Browser!"));
    const QRect b = m.controlsForTest().Image6->geometry();
    QCOMPARE(m.controlsForTest().Picture5->pos(),
             QPoint(b.x() + b.width() / 2, b.y() + b.height()));
    QCOMPARE(m.controlsForTest().Picture5->width(),
             m.controlsForTest().Label100->width() + twips::toPixels(25));
    m.Timer1_Timer();
    QVERIFY(!m.controlsForTest().Picture5->isVisible());

    hover(m.controlsForTest().Image9);
    QCOMPARE(m.controlsForTest().Label100->text(), QStringLiteral("Journal!"));
    // Moving over the bar outside the buttons hides it.
    hover(m.controlsForTest().navbar, QPoint(m.controlsForTest().navbar->width() - 2, 2));
    QVERIFY(!m.controlsForTest().Picture5->isVisible());
}

void TestFormaster::hoverCaptionHidingByButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("stays");
    QTest::newRow("web browser") << QStringLiteral("Image6") << false;
    QTest::newRow("back") << QStringLiteral("Image1") << false;
    QTest::newRow("teen rights") << QStringLiteral("Image14") << false;
    QTest::newRow("mp3") << QStringLiteral("Image7") << true;
    QTest::newRow("home") << QStringLiteral("Image5") << true;
}

void TestFormaster::hoverCaptionHidingByButton()
{
    QFETCH(QString, button);
    QFETCH(bool, stays);
    Fixture f;
    formaster& m = f.load();
    auto* b = m.findChild<ImageBox*>(button);
    QVERIFY(b);
    hover(b);
    QVERIFY(m.controlsForTest().Picture5->isVisible());
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(m.controlsForTest().Picture5->isVisible(), stays);
}

void TestFormaster::pressedFaces()
{
    Fixture f;
    formaster& m = f.load();
    QTest::mousePress(m.controlsForTest().Image12, Qt::LeftButton, {}, QPoint(3, 3));
    QVERIFY(samePicture(m.controlsForTest().Image12->picture(),
                        dataDir + QStringLiteral("/phonebook_down.bmp")));
    QTest::mouseRelease(m.controlsForTest().Image12, Qt::LeftButton, {}, QPoint(3, 3));
    QVERIFY(samePicture(m.controlsForTest().Image12->picture(),
                        dataDir + QStringLiteral("/phonebook.bmp")));
}

void TestFormaster::busyAnimationCycles()
{
    Fixture f;
    formaster& m = f.load();
    QTimer* timers[] = {m.controlsForTest().Timer10, m.controlsForTest().Timer20,
                        m.controlsForTest().Timer30, m.controlsForTest().Timer40};
    for (QTimer* t : timers)
        QCOMPARE(t->interval(), 700);
    m.startBusy();
    QVERIFY(m.controlsForTest().Timer10->isActive());
    const char* frames[] = {"bumper0", "bumper1", "bumper2", "bumper3"};
    // Calls, not member-function pointers: GCC 12's bounds instrumentation reports indexing an
    // array of those as out of bounds.
    const std::function<void()> ticks[] = {[&m] { m.Timer10_Timer(); }, [&m] { m.Timer20_Timer(); },
                                           [&m] { m.Timer30_Timer(); },
                                           [&m] { m.Timer40_Timer(); }};
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 4; ++i) {
            ticks[i]();
            QVERIFY(samePicture(m.controlsForTest().bumper->picture(),
                                dataDir + QLatin1Char('/') + QLatin1String(frames[i]) +
                                    QStringLiteral(".bmp")));
            QVERIFY(!timers[i]->isActive());
            QVERIFY(timers[(i + 1) % 4]->isActive());
        }
    }
    m.stopBusy();
    for (QTimer* t : timers)
        QVERIFY(!t->isActive());
    QVERIFY(samePicture(m.controlsForTest().bumper->picture(),
                        dataDir + QStringLiteral("/bumper3.bmp")));
}

void TestFormaster::stopButtonStopsTheAnimation()
{
    Fixture f;
    formaster& m = f.load();
    m.startBusy();
    m.Timer10_Timer();
    m.controlsForTest().ProgressBar1->show();
    m.controlsForTest().ProgressBar1->setValue(30);
    m.Image3_Click();
    QVERIFY(!m.controlsForTest().Timer10->isActive() && !m.controlsForTest().Timer20->isActive());
    QVERIFY(samePicture(m.controlsForTest().bumper->picture(),
                        dataDir + QStringLiteral("/bumper3.bmp")));
    QCOMPARE(m.controlsForTest().ProgressBar1->value(), 100);
    QVERIFY(!m.controlsForTest().ProgressBar1->isVisible());
    QCOMPARE(f.browsers[0]->page.calls.last(), QStringLiteral("Stop"));
}

void TestFormaster::mp3ToolsDisabled()
{
    Fixture f;
    f.setting("1", "1");
    f.app.commandLine = QStringLiteral("C:\\music\\party.vr3");
    formaster& m = f.load();
    QVERIFY(!m.controlsForTest().Image7->isVisible());
    QVERIFY(m.controlsForTest().Image54->isVisible());
    QVERIFY(samePicture(m.controlsForTest().Image54->picture(),
                        dataDir + QStringLiteral("/mp3_no.bmp")));
    QVERIFY(!m.controlsForTest().mnu_mp3->isVisible());
    QVERIFY(!f.player);
}

void TestFormaster::commandLinePlaylist_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<bool>("opened");
    QTest::newRow("windows path") << QStringLiteral("C:\\music\\party.vr3") << true;
    QTest::newRow("existing linux playlist") << QStringLiteral("@existing") << true;
    QTest::newRow("missing linux playlist") << QStringLiteral("/nowhere/x.vr3") << false;
    QTest::newRow("nothing") << QString() << false;
}

void TestFormaster::commandLinePlaylist()
{
    QFETCH(QString, commandLine);
    QFETCH(bool, opened);
    Fixture f;
    if (commandLine == QLatin1String("@existing")) {
        commandLine = f.dir.filePath(QStringLiteral("mine.vr3"));
        QFile file(commandLine);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    f.app.commandLine = commandLine;
    f.load();
    QCOMPARE(f.player != nullptr, opened);
    if (opened) {
        QCOMPARE(f.player->loaded, QStringList{commandLine});
        QCOMPARE(f.player->path, commandLine);
    }
}

void TestFormaster::placementRoundTrip()
{
    Fixture f;
    f.pos("Top", "1500");
    f.pos("Left", "3000");
    f.pos("Height", "6000");
    f.pos("Width", "9000");
    f.pos("WindowState", "0");
    formaster& m = f.load();
    QCOMPARE(m.frameGeometry(), QRect(200, 100, 600, 400));
    m.close();
    QCOMPARE(f.readPos("Top"), QStringLiteral("1500"));
    QCOMPARE(f.readPos("Left"), QStringLiteral("3000"));
    QCOMPARE(f.readPos("Height"), QStringLiteral("6000"));
    QCOMPARE(f.readPos("Width"), QStringLiteral("9000"));
    QCOMPARE(f.readPos("WindowState"), QStringLiteral("0"));
}

void TestFormaster::badPlacementKeepsDesign_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    const struct {
        const char *row, *key, *value;
    } rows[] = {
        {"height not a number", "Height", "tall"},   {"width empty", "Width", ""},
        {"state out of range", "WindowState", "7"},  {"top past any screen", "Top", "1e12"},
        {"left past any screen", "Left", "-3e9"},    {"height past any screen", "Height", "3e9"},
        {"width past any screen", "Width", "1E+20"},
    };
    for (const auto& r : rows)
        QTest::newRow(r.row) << QString::fromLatin1(r.key) << QString::fromLatin1(r.value);
}

void TestFormaster::badPlacementKeepsDesign()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    Fixture design;
    const QRect designGeometry = design.load().geometry();
    Fixture f;
    f.pos(qPrintable(key), qPrintable(value));
    formaster& m = f.load();
    QCOMPARE(m.geometry(), designGeometry);
    QCOMPARE(m.centralWidget()->size(), QSize(twips::toPixels(8370), twips::toPixels(5565)));
    QCOMPARE(m.windowStateNumber(), 0);
}

void TestFormaster::exitWritesNothing()
{
    Fixture f;
    formaster& m = f.load();
    f.app.secondsused = QStringLiteral("42");
    f.settings.clearWrites();
    m.resize(700, 500);
    m.controlsForTest().mnu_exit->trigger();
    QVERIFY(f.app.hasEnded());
    QVERIFY(f.readPos("Width").isEmpty());
    for (const auto& w : f.settings.writes())
        QVERIFY2(w.section != QLatin1String("pos"), qPrintable(w.key));
}

void TestFormaster::closeWritesPlacementAndEnds()
{
    Fixture f;
    formaster& m = f.load();
    f.app.secondsused = QStringLiteral("42");
    m.move(30, 40);
    m.resize(700, 500);
    QSignalSpy ended(&f.app, &App::ended);
    f.settings.clearWrites();
    QVERIFY(m.close());
    QCOMPARE(ended.count(), 1);
    const QRect frame = m.frameGeometry();
    QCOMPARE(f.readPos("Left"), QString::number(frame.x() * 15));
    QCOMPARE(f.readPos("Top"), QString::number(frame.y() * 15));
    QCOMPARE(f.readPos("Width"), QString::number(frame.width() * 15));
    QCOMPARE(f.readPos("Height"), QString::number(frame.height() * 15));
    QCOMPARE(
        f.settings.read(QStringLiteral("vro"), QStringLiteral("settings"), QStringLiteral("ole")),
        QStringLiteral("42"));
    // All of them in one batch: the settings file is rewritten once, not once a value.
    QCOMPARE(f.settings.writesOutsideBatches(), 0);
}

// Closing the master window closes its children first, each with its own closing handling,
// and only then saves: a child still sees nothing of the unload when it closes.
void TestFormaster::childrenCloseBeforeTheUnload()
{
    Fixture f;
    formaster& m = f.load();
    f.settings.clearWrites();
    QStringList order;
    for (const char* name : {"first", "second"}) {
        m.addChildWindow(new WatchedChild([&f, &order, name] {
            order.append(QLatin1String(name));
            QVERIFY(f.settings.writes().isEmpty());
            QVERIFY(!f.app.hasEnded());
        }));
    }
    QVERIFY(m.close());
    QCOMPARE(order.size(), 2);
    QVERIFY(m.controlsForTest().mdiArea->subWindowList().isEmpty());
    QVERIFY(!f.readPos("Top").isEmpty());
    QVERIFY(f.app.hasEnded());
}

void TestFormaster::childRefusingToCloseKeepsTheProgram()
{
    Fixture f;
    formaster& m = f.load();
    auto* child = new PlainChild;
    child->refuseClose = true;
    m.addChildWindow(child);
    QVERIFY(!m.close());
    QVERIFY(!f.app.hasEnded());
    QVERIFY(f.readPos("Top").isEmpty());
    child->refuseClose = false;
    QVERIFY(m.close());
    QVERIFY(f.app.hasEnded());
}

void TestFormaster::browserButtonsActOnlyOnBrowserWindows()
{
    Fixture f;
    f.settings.write(QStringLiteral("vro"), QStringLiteral("startup"), QStringLiteral("startpage"),
                     QStringLiteral("https://example.org/"));
    formaster& m = f.load();
    FakeBrowserWindow* browser = f.browsers[0];
    m.controlsForTest().mdiArea->setActiveSubWindow(
        qobject_cast<QMdiSubWindow*>(browser->parentWidget()));
    m.Image1_Click();
    m.Image2_Click();
    m.Image4_Click();
    m.Image5_Click();
    QCOMPARE(
        browser->page.calls,
        (QStringList{QStringLiteral("GoBack"), QStringLiteral("GoForward"),
                     QStringLiteral("Refresh"), QStringLiteral("Navigate https://example.org/")}));

    auto* journal = new PlainChild;
    m.addChildWindow(journal);
    m.controlsForTest().mdiArea->setActiveSubWindow(
        qobject_cast<QMdiSubWindow*>(journal->parentWidget()));
    browser->page.calls.clear();
    m.Image1_Click();
    m.Image2_Click();
    m.Image4_Click();
    m.Image5_Click();
    QVERIFY(browser->page.calls.isEmpty());
    QVERIFY(f.dialogs.shown.isEmpty());
}

void TestFormaster::webBrowserButtonMakesNewWindows()
{
    Fixture f;
    formaster& m = f.load();
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(m.controlsForTest().Image6, Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(f.browsers.size(), 4); // the first one opened at load
    QCOMPARE(m.controlsForTest().mdiArea->subWindowList().size(), 4);
    // A double-click is one click: one more window.
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    doubleClickThroughWindow(m.controlsForTest().Image6);
    QCOMPARE(f.browsers.size(), 5);
    m.Image14_Click();
    QCOMPARE(
        f.browsers.last()->page.calls,
        QStringList{QStringLiteral("Navigate ") + f.dir.filePath(QStringLiteral("rights.html"))});
}

void TestFormaster::childMenusReplaceTheMasters()
{
    Fixture f;
    formaster& m = f.load();
    auto* child = new PlainChild;
    QMdiSubWindow* sub = m.addChildWindow(child);
    m.controlsForTest().mdiArea->setActiveSubWindow(sub);
    QCOMPARE(m.menuBar()->actions(), QList<QAction*>{child->menu.menuAction()});
    // A child without menus of its own (the fake browser) shows the master's.
    m.controlsForTest().mdiArea->setActiveSubWindow(
        qobject_cast<QMdiSubWindow*>(f.browsers[0]->parentWidget()));
    QCOMPARE(m.menuBar()->actions().size(), 4);
    QCOMPARE(m.menuBar()->actions().first(), m.controlsForTest().mnu_file->menuAction());
    const QStringList captions = {QStringLiteral("&File"), QStringLiteral("&Start"),
                                  QStringLiteral("Windows"), QStringLiteral("&Help")};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(m.menuBar()->actions()[i]->text(), captions[i]);
}

// Opened by a command of another window (the Search and Open panels), a new child window
// still comes in front and becomes the active one; it is maximised when the active child is.
void TestFormaster::newChildOpensInFrontAndActive()
{
    Fixture f;
    formaster& m = f.load();
    QMdiArea* area = m.controlsForTest().mdiArea;
    m.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m));
    auto subOf = [](QWidget* w) { return qobject_cast<QMdiSubWindow*>(w->parentWidget()); };
    subOf(f.browsers[0])->showMaximized();
    QWidget panel;
    panel.show();
    panel.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&panel));

    m.openPage(QStringLiteral("https://a.example/"));
    QMdiSubWindow* opened = subOf(f.browsers.last());
    QVERIFY(opened->isMaximized());
    QCOMPARE(area->subWindowList(QMdiArea::StackingOrder).last(), opened);
    QCOMPARE(area->currentSubWindow(), opened);
    panel.close();
    m.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m));
    QCOMPARE(area->activeSubWindow(), opened);

    // With the active child not maximised, the next one opens at its own size.
    opened->showNormal();
    m.newme();
    QMdiSubWindow* next = subOf(f.browsers.last());
    QVERIFY(!next->isMaximized());
    QCOMPARE(next->size(), QSize(twips::toPixels(7905), twips::toPixels(5000)));
    QCOMPARE(area->activeSubWindow(), next);
    QCOMPARE(area->subWindowList(QMdiArea::StackingOrder).last(), next);
}

// The status strip spans the bottom edge at every size: its right-hand corner piece shows at
// the right end, not cut off.
void TestFormaster::statusStripShowsItsCornersAtEverySize()
{
    Fixture f;
    formaster& m = f.load();
    const formasterControls& c = m.controlsForTest();
    for (const QSize size : {QSize(558, 390), QSize(900, 700), QSize(1280, 1000)}) {
        m.resize(size);
        QCOMPARE(c.Picture1->width(), m.centralWidget()->width());
        const QRect corner = c.botright->geometry();
        QVERIFY2(c.Picture1->rect().intersected(corner).width() >= corner.width() - 1,
                 qPrintable(QStringLiteral("botright at %1 in a strip %2 wide")
                                .arg(corner.x())
                                .arg(c.Picture1->width())));
        QVERIFY(corner.right() >= c.Picture1->width() - 12);
    }
}

void TestFormaster::shrinkingKeepsTheLauncherBarWhole()
{
    Fixture f;
    formaster& m = f.load();
    m.resize(120, 80);
    QTest::qWait(1);
    const formasterControls& c = m.controlsForTest();
    QVERIFY(m.centralWidget()->width() >= twips::toPixels(7290));
    QVERIFY(c.bumper->x() > c.Image14->geometry().right());
    QVERIFY(c.Combo1->width() > 0);
    QVERIFY(c.mdiArea->y() >= c.navbar->geometry().bottom());
}

// The MP3 player is a top-level window the master owns: the window manager keeps it above
// the master and minimises it with it. It is not a child, so it stays usable while the
// master is disabled, and the "Windows" menu lists it after the child windows.
void TestFormaster::playerIsOwnedAndListed()
{
    Fixture f;
    f.app.mp3Kind.owned = true;
    formaster& m = f.load();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    m.Image7_Click();
    QVERIFY(f.player);
    f.player->setWindowTitle(QStringLiteral("MP3 Player"));
    QVERIFY(f.player->isWindow());
    QVERIFY(f.player->windowHandle());
    // A tool window: window managers keep it with the window it belongs to.
    QCOMPARE(f.player->windowType(), Qt::Tool);
    QCOMPARE(f.player->windowHandle()->transientParent(), m.windowHandle());
    m.disableForAllowance();
    QVERIFY(f.player->isEnabled());
    m.enableAfterOverride();

    QMenu* windows = m.controlsForTest().mnu_windows;
    Q_EMIT windows->aboutToShow();
    QStringList captions;
    for (const QAction* a : windows->actions())
        captions << a->text();
    QCOMPARE(captions, (QStringList{QStringLiteral("&1 Vireo"), QStringLiteral("&2 MP3 Player")}));
    f.player->showMinimized();
    windows->actions().last()->trigger();
    QVERIFY(!f.player->isMinimized());
    QVERIFY(f.player->isVisible());

    // A closed player leaves the list.
    f.player->hide();
    Q_EMIT windows->aboutToShow();
    QCOMPARE(windows->actions().size(), 1);
}

// The small windows opened from the master (Open, Search, What's New, Options, About) are
// owned as dialogs: above the master whatever window was active when they were shown, also once
// their native window is made anew (a page view added to What's New does that), and not listed
// in "Windows".
void TestFormaster::dialogsStayOwnedWhenRemade()
{
    struct Dialog : QWidget {
        Dialog() : QWidget(nullptr, Qt::Dialog) {}
        using QWidget::destroy;
    };
    Fixture f;
    QPointer<Dialog> dialog;
    f.app.aboutKind = {[&dialog](App&) -> QWidget* {
                           dialog = new Dialog;
                           dialog->setAttribute(Qt::WA_DeleteOnClose);
                           return dialog;
                       },
                       false, true, true};
    formaster& m = f.load();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    other.activateWindow();

    f.app.about();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowType(), Qt::Dialog);
    QCOMPARE(dialog->windowHandle()->transientParent(), m.windowHandle());

    dialog->hide();
    dialog->windowHandle()->setTransientParent(other.windowHandle());
    dialog->show();
    QCOMPARE(dialog->windowHandle()->transientParent(), m.windowHandle());

    // A native window made anew, before it is shown.
    dialog->hide();
    dialog->destroy();
    QVERIFY(!dialog->windowHandle());
    dialog->winId();
    QVERIFY(dialog->windowHandle());
    QCOMPARE(dialog->windowHandle()->transientParent(), m.windowHandle());

    QMenu* windows = m.controlsForTest().mnu_windows;
    Q_EMIT windows->aboutToShow();
    QCOMPARE(windows->actions().size(), 1);
    dialog->close();
}

QTEST_MAIN(TestFormaster)
#include "test_formaster.moc"
