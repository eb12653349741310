// The page component on the real engine, against local files and a loopback HTTP server.
#include "browser/frmbrowser.h"
#include "platform/QtDesktopCommands.h"
#include "platform/QtWebBrowser.h"
#include "platform/fakes/MemorySettingsStore.h"
#include "platform/fakes/ScriptedDialogs.h"
#include "shell/App.h"
#include "shell/Settings.h"
#include "shell/formaster.h"
#include "support/RealPrinting.h"
#include "support/XdgFolders.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlatformSurfaceEvent>
#include <QPointer>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWindow>
#include <functional>
#include <memory>
#include <unistd.h>

using namespace vireo;
using namespace vireo::test;

namespace {

// A tiny HTTP server on 127.0.0.1. "/slow" is never answered.
class PageServer : public QObject {
public:
    PageServer()
    {
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        });
        server_.listen(QHostAddress::LocalHost);
    }

    quint16 port() const { return server_.serverPort(); }
    QString url(const char* path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(QLatin1String(path));
    }

private:
    void serve(QTcpSocket* socket)
    {
        QByteArray& request = pending_[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        const QByteArray path = request.split(' ').value(1);
        pending_.remove(socket);
        if (path == "/slow")
            return;
        QByteArray status = "200 OK";
        QByteArray headers;
        QByteArray body;
        if (path == "/a.html") {
            body = "<html><head><title>Page A</title></head><body>"
                   "<a id='blank' href='/b.html' target='_blank'>new window</a> "
                   "<a id='plain' href='/b.html'>same window</a></body></html>";
        } else if (path == "/alert.html") {
            // A page that opens a dialog of its own once it has loaded.
            body = "<html><head><title>Alert</title></head><body>"
                   "<script>setTimeout(function(){alert('hi');}, 200);</script></body></html>";
        } else if (path == "/b.html") {
            body = "<html><head><title>Page B</title></head><body>B</body></html>";
        } else if (path == "/popup.html") {
            // Asks for a new window twice: a target=_blank link and window.open.
            body = "<html><head><title>Popup</title></head><body>"
                   "<a id='blank' href='/b.html' target='_blank'>new</a>"
                   "<script>document.getElementById('blank').click();"
                   "window.open('/b.html');</script></body></html>";
        } else if (path == "/link.html") {
            // One link over the whole page, so that any pointer position is on it.
            body = "<html><head><title>Link</title></head><body style='margin:0'>"
                   "<a href='/b.html' style='position:fixed;left:0;top:0;width:100%;"
                   "height:100%;display:block'>B</a></body></html>";
        } else if (path == "/cookie") {
            headers = "Set-Cookie: vireo_login=yes; Max-Age=86400; Path=/\r\n";
            body = "<html><head><title>Logged in</title></head><body>hi</body></html>";
        } else {
            status = "404 Not Found";
            body = "<html><head><title>Not here</title></head><body>404</body></html>";
        }
        socket->write("HTTP/1.1 " + status + "\r\nContent-Type: text/html\r\nContent-Length: " +
                      QByteArray::number(body.size()) + "\r\nConnection: close\r\n" + headers +
                      "\r\n" + body);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QHash<QTcpSocket*, QByteArray> pending_;
};

// Writes down every event of a component, with what its properties said at that moment.
struct Recorder {
    explicit Recorder(WebBrowser& b) : browser(b)
    {
        QObject::connect(&b, &WebBrowser::DownloadBegin,
                         [this] { log.append(QStringLiteral("Begin")); });
        QObject::connect(&b, &WebBrowser::DownloadComplete,
                         [this] { log.append(QStringLiteral("Complete")); });
        QObject::connect(&b, &WebBrowser::ProgressChange, [this](int p, int max) {
            log.append(QStringLiteral("Progress %1/%2").arg(p).arg(max));
        });
        QObject::connect(&b, &WebBrowser::StatusTextChange,
                         [this](const QString& t) { log.append(QStringLiteral("Status ") + t); });
        QObject::connect(&b, &WebBrowser::TitleChange, [this](const QString& t) {
            log.append(QStringLiteral("Title ") + t);
            titles.append(browser.LocationName() + QLatin1Char('|') + browser.LocationURL());
        });
        QObject::connect(&b, &WebBrowser::NewWindow2, [this] { ++newWindows; });
    }

    int count(const QString& entry) const { return static_cast<int>(log.count(entry)); }
    bool waitForCompletes(int n, int ms = 10000)
    {
        QElapsedTimer t;
        t.start();
        while (count(QStringLiteral("Complete")) < n && t.elapsed() < ms)
            QTest::qWait(10);
        return count(QStringLiteral("Complete")) >= n;
    }
    // Begin and Complete alternate, starting with Begin.
    bool paired() const
    {
        bool open = false;
        for (const QString& e : log) {
            if (e == QLatin1String("Begin")) {
                if (open)
                    return false;
                open = true;
            } else if (e == QLatin1String("Complete")) {
                if (!open)
                    return false;
                open = false;
            }
        }
        return !open;
    }

    WebBrowser& browser;
    QStringList log;
    QStringList titles; // "LocationName|LocationURL" as read inside each TitleChange
    int newWindows = 0;
};

// Message boxes answer at once; the save dialog stays open for a while, as a user keeps it,
// runs `whileOpen` meanwhile and then gives `answer`.
class SlowSaveDialogs final : public Dialogs {
public:
    void message(const QString&, const QString&) override {}
    bool askYesNo(const QString&, const QString&) override { return false; }
    Answer askYesNoCancel(const QString&, const QString&) override { return Answer::Cancel; }
    QString openFile(const FileDialogRequest&) override { return {}; }
    QString saveFile(const FileDialogRequest&) override
    {
        if (whileOpen)
            whileOpen();
        QEventLoop loop;
        QTimer::singleShot(1200, &loop, &QEventLoop::quit);
        loop.exec();
        return answer;
    }

    std::function<void()> whileOpen;
    QString answer;
};

// One component in a window of its own.
struct Page {
    QWidget window;
    QtWebBrowser browser{&window};
    Recorder rec{browser};
    Page()
    {
        window.resize(400, 300);
        browser.view()->setGeometry(window.rect());
        window.show();
    }
};

// Takes the addresses the desktop would be given.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};

} // namespace

class TestQtWebBrowser : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void localFileRaisesPairedEvents();
    void partialAddressReachesTheServer();
    void historyAndReload();
    void stopEndsAPendingLoad();
    void missingAndUnreachablePagesRaiseNothing_data();
    void missingAndUnreachablePagesRaiseNothing();
    void hoveredLinksReachTheStatusLine();
    void otherSchemesLeaveThePage();
    void noProgramForAnAddressIsReported();
    void locationIsTheEncodedAddress();
    void newWindowRequestOpensNothing();
    void printWithoutPrinterOffersTheDialog_data();
    void printWithoutPrinterOffersTheDialog();
    void browserWindowDrivesTheMasterWindow();
    void masterNativeWindowIsMadeOnce_data();
    void masterNativeWindowIsMadeOnce();
    void cookiesAreKeptOnDisk();
    void releasingTheProfileLetsGoOfOpenViews();
    void windowClosedWhileSaveAsIsOpen();
    void blockedWhileThePagesDialogIsOpen();

private:
    PageServer server_;
    QTemporaryDir dir_;
    QString localPage_;
};

void TestQtWebBrowser::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
         QStringLiteral("/webengine"))
        .removeRecursively();
    QVERIFY(server_.port() != 0);
    localPage_ = dir_.filePath(QStringLiteral("help.html"));
    QFile f(localPage_);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<html><head><title>Local Page</title></head><body><h1>Help</h1></body></html>");
}

void TestQtWebBrowser::localFileRaisesPairedEvents()
{
    Page p;
    p.browser.Navigate(localPage_);
    QVERIFY(p.rec.waitForCompletes(1));
    QTest::qWait(50);
    const QStringList& log = p.rec.log;
    QCOMPARE(log.first(), QStringLiteral("Begin"));
    QCOMPARE(p.rec.count(QStringLiteral("Begin")), 1);
    QCOMPARE(p.rec.count(QStringLiteral("Complete")), 1);
    QVERIFY(log.indexOf(QStringLiteral("Progress -1/100")) <
            log.indexOf(QStringLiteral("Complete")));
    QVERIFY(log.indexOf(QStringLiteral("Progress -1/100")) >= 0);
    QVERIFY(log.contains(QStringLiteral("Status Done")));
    QVERIFY(log.filter(QStringLiteral("Status Opening page")).size() >= 1);
    const QString url = QUrl::fromLocalFile(localPage_).toString();
    QVERIFY2(p.rec.titles.contains(QStringLiteral("Local Page|") + url),
             qPrintable(p.rec.titles.join(QLatin1Char(';'))));
    // Whatever title events came, each saw the component's values for the page it named.
    for (const QString& t : p.rec.titles)
        QVERIFY2(t.endsWith(url), qPrintable(t));
    QCOMPARE(p.browser.LocationName(), QStringLiteral("Local Page"));
    QCOMPARE(p.browser.LocationURL(), url);
}

void TestQtWebBrowser::partialAddressReachesTheServer()
{
    Page p;
    // As typed: no scheme.
    p.browser.Navigate(QStringLiteral("127.0.0.1:%1/a.html").arg(server_.port()));
    QVERIFY(p.rec.waitForCompletes(1));
    QCOMPARE(p.browser.LocationURL(), server_.url("/a.html"));
    QCOMPARE(p.browser.LocationName(), QStringLiteral("Page A"));
    QVERIFY(p.rec.titles.contains(QStringLiteral("Page A|") + server_.url("/a.html")));
    QVERIFY(p.rec.paired());
}

// The address as stored in the history and the log: every character that needs it encoded,
// never the decoded form shown to people.
void TestQtWebBrowser::locationIsTheEncodedAddress()
{
    Page p;
    p.browser.Navigate(server_.url("/a.html?q=R%26B%20rock%20%231"));
    QVERIFY(p.rec.waitForCompletes(1));
    QCOMPARE(p.browser.LocationURL(), server_.url("/a.html?q=R%26B%20rock%20%231"));
}

void TestQtWebBrowser::historyAndReload()
{
    Page p;
    QVERIFY(!p.browser.GoBack());
    QVERIFY(!p.browser.GoForward());
    p.browser.Navigate(server_.url("/a.html"));
    QVERIFY(p.rec.waitForCompletes(1));
    p.browser.Navigate(server_.url("/b.html"));
    QVERIFY(p.rec.waitForCompletes(2));
    QCOMPARE(p.browser.LocationName(), QStringLiteral("Page B"));

    QVERIFY(p.browser.GoBack());
    // The title of a page from the history can arrive before its address: wait for both.
    QTRY_COMPARE(p.browser.LocationName(), QStringLiteral("Page A"));
    QTRY_COMPARE(p.browser.LocationURL(), server_.url("/a.html"));
    // Going forward while the load Back started is still running would cut that load short, and
    // a load cut short may end without a completion of its own: let it finish first.
    QVERIFY(p.rec.waitForCompletes(3));
    QVERIFY(p.browser.GoForward());
    QTRY_COMPARE(p.browser.LocationName(), QStringLiteral("Page B"));
    QVERIFY(!p.browser.GoForward());

    QVERIFY(p.rec.waitForCompletes(4));
    QVERIFY(p.browser.Refresh());
    QVERIFY(p.rec.waitForCompletes(5));
    QCOMPARE(p.browser.LocationURL(), server_.url("/b.html"));
    QVERIFY2(p.rec.paired(), qPrintable(p.rec.log.join(QLatin1Char(';'))));
}

void TestQtWebBrowser::stopEndsAPendingLoad()
{
    Page p;
    p.browser.Navigate(server_.url("/slow"));
    QTRY_COMPARE(p.rec.count(QStringLiteral("Begin")), 1);
    QTest::qWait(100);
    QCOMPARE(p.rec.count(QStringLiteral("Complete")), 0);
    QVERIFY(p.browser.Stop());
    QVERIFY(p.rec.waitForCompletes(1, 5000));
    QVERIFY(p.rec.paired());
}

void TestQtWebBrowser::missingAndUnreachablePagesRaiseNothing_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("title"); // empty: any
    QTest::newRow("404") << server_.url("/missing") << QStringLiteral("Not here");
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const quint16 freePort = closed.serverPort();
    closed.close();
    QTest::newRow("nothing listening")
        << QStringLiteral("http://127.0.0.1:%1/").arg(freePort) << QString();
}

void TestQtWebBrowser::missingAndUnreachablePagesRaiseNothing()
{
    QFETCH(QString, address);
    QFETCH(QString, title);
    Page p;
    p.browser.Navigate(address);
    QVERIFY(p.rec.waitForCompletes(1));
    QVERIFY(p.rec.paired());
    QCOMPARE(p.browser.LocationURL(), address);
    if (!title.isEmpty())
        QTRY_COMPARE(p.browser.LocationName(), title);
    // The component still works afterwards.
    p.browser.Navigate(localPage_);
    QVERIFY(p.rec.waitForCompletes(2));
    QCOMPARE(p.browser.LocationName(), QStringLiteral("Local Page"));
}

void TestQtWebBrowser::hoveredLinksReachTheStatusLine()
{
    Page p;
    p.browser.Navigate(server_.url("/link.html"));
    QVERIFY(p.rec.waitForCompletes(1));
    QWidget* input = p.browser.view()->focusProxy();
    QVERIFY(input);
    QTest::mouseMove(input, QPoint(50, 50));
    QTest::mouseMove(input, QPoint(60, 60));
    QTRY_VERIFY_WITH_TIMEOUT(p.rec.log.contains(QStringLiteral("Status ") + server_.url("/b.html")),
                             5000);
}

void TestQtWebBrowser::otherSchemesLeaveThePage()
{
    Page p;
    p.browser.Navigate(localPage_);
    QVERIFY(p.rec.waitForCompletes(1));
    p.rec.log.clear();
    // The desktop's handler is stood in for, so that the test opens no real program.
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("aim"), &catcher, "open");
    QSignalSpy notOpened(&p.browser, &WebBrowser::ExternalAddressNotOpened);
    p.browser.Navigate(QStringLiteral("aim:goim?screenname=somebody"));
    QTest::qWait(400);
    QDesktopServices::unsetUrlHandler(QStringLiteral("aim"));
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl(QStringLiteral("aim:goim?screenname=somebody"))});
    QCOMPARE(notOpened.count(), 0);
    QCOMPARE(p.rec.count(QStringLiteral("Begin")), 0);
    QCOMPARE(p.browser.LocationURL(), QUrl::fromLocalFile(localPage_).toString());
    // An empty address leaves the page as well.
    p.browser.Navigate(QString());
    QTest::qWait(100);
    QCOMPARE(p.rec.count(QStringLiteral("Begin")), 0);
}

// Where the desktop has no program for an address's scheme, the component says so instead of
// nothing happening, even where xdg-open starts (and so the desktop services report success).
void TestQtWebBrowser::noProgramForAnAddressIsReported()
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty()) {
        for (const char* opener : {"xdg-open", "google-chrome", "firefox", "mozilla", "opera"}) {
            if (!QStandardPaths::findExecutable(QLatin1String(opener)).isEmpty())
                QSKIP("this desktop has a program that takes any address and cannot be asked");
        }
    }
    QtDesktopCommands desktop;
    QWidget window;
    QtWebBrowser browser(&window, nullptr, &desktop);
    Recorder rec(browser);
    browser.Navigate(localPage_);
    QVERIFY(rec.waitForCompletes(1));
    QSignalSpy notOpened(&browser, &WebBrowser::ExternalAddressNotOpened);
    {
        QTemporaryDir empty;
        QVERIFY(empty.isValid());
        const XdgFolders folders(empty.path());
        browser.Navigate(QStringLiteral("aim:goim?screenname=somebody"));
    }
    QCOMPARE(notOpened.count(), 1);
    QCOMPARE(notOpened.at(0).at(0).toString(), QStringLiteral("aim"));
    QCOMPARE(browser.LocationURL(), QUrl::fromLocalFile(localPage_).toString());
}

void TestQtWebBrowser::newWindowRequestOpensNothing()
{
    const int topLevels = static_cast<int>(QApplication::topLevelWidgets().size());
    Page p;
    p.browser.Navigate(server_.url("/popup.html"));
    QVERIFY(p.rec.waitForCompletes(1));
    QTRY_VERIFY_WITH_TIMEOUT(p.rec.newWindows >= 1, 3000);
    QTest::qWait(300);
    QCOMPARE(p.browser.LocationURL(), server_.url("/popup.html"));
    QCOMPARE(static_cast<int>(QApplication::topLevelWidgets().size()), topLevels + 1);
    QCOMPARE(p.rec.count(QStringLiteral("Begin")), 1);
}

void TestQtWebBrowser::printWithoutPrinterOffersTheDialog_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("printed to a PDF file") << true;
    QTest::newRow("cancelled") << false;
}

// With no default printer the print dialog still opens, offering a PDF file (written with the
// page's text as text); Cancel prints nothing.
void TestQtWebBrowser::printWithoutPrinterOffersTheDialog()
{
    QFETCH(bool, accept);
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("this machine has a default printer");
    Page p;
    p.browser.Navigate(localPage_);
    QVERIFY(p.rec.waitForCompletes(1));
    QWebEngineView* view = qobject_cast<QWebEngineView*>(p.browser.view());
    QVERIFY(view);
    QSignalSpy finished(view->page(), &QWebEnginePage::pdfPrintingFinished);
    const QString pdf = dir_.filePath(QStringLiteral("printed-%1.pdf").arg(accept));
    answerPrintDialog(accept, pdf);
    QCOMPARE(
        p.browser.ExecWB(WebBrowser::Command::Print, WebBrowser::CommandOption::DontPromptUser),
        accept);
    if (accept) {
        QVERIFY(finished.wait(30000));
        QCOMPARE(finished.at(0).at(0).toString(), pdf);
        QVERIFY(finished.at(0).at(1).toBool());
        QVERIFY(pdfText(pdf).contains(QStringLiteral("Help")));
    } else {
        QTest::qWait(300);
        QCOMPARE(finished.count(), 0);
        QVERIFY(!QFile::exists(pdf));
    }
}

void TestQtWebBrowser::browserWindowDrivesTheMasterWindow()
{
    MemorySettingsStore settings;
    ScriptedDialogs dialogs;
    App app(settings, dialogs, ProgramFolder(dir_.path()));
    QtWebBrowser* component = nullptr;
    app.newWebBrowser = [&component](QWidget* parent) -> WebBrowser* {
        component = new QtWebBrowser(parent);
        return component;
    };
    app.browserKind = {[](App& a) -> QWidget* { return frmbrowser::create(a); }, true};
    settings.write(QStringLiteral("vro"), QStringLiteral("startup"), QStringLiteral("startpage"),
                   server_.url("/a.html"));
    auto master = std::make_unique<formaster>(app);
    app.setMaster(master.get());
    master->show();
    master->newme();
    QVERIFY(component);
    Recorder rec(*component);
    QVERIFY(rec.waitForCompletes(1));
    QTRY_COMPARE(master->controlsForTest().Combo1->currentText(), server_.url("/a.html"));
    QMdiSubWindow* sub = master->controlsForTest().mdiArea->subWindowList().value(0);
    QVERIFY(sub);
    QTRY_COMPARE(sub->windowTitle(), QStringLiteral("Page A"));
    QVERIFY(master->controlsForTest().Combo9->findText(server_.url("/a.html")) >= 0);
    QCOMPARE(master->controlsForTest().Label22->text(), QStringLiteral("Done"));
    QVERIFY(master->controlsForTest().ProgressBar1->isHidden());
    QVERIFY(!master->controlsForTest().Timer10->isActive());

    // Help from the window's menu: the same window shows the local guide.
    auto* w = dynamic_cast<frmbrowser*>(sub->widget());
    QFile::copy(localPage_, dir_.filePath(QStringLiteral("help.html")));
    w->mnu_htmlhelp->trigger();
    QVERIFY(rec.waitForCompletes(2));
    QTRY_COMPARE(sub->windowTitle(), QStringLiteral("Local Page"));
    QCOMPARE(master->controlsForTest().Combo1->currentText(),
             QUrl::fromLocalFile(dir_.filePath(QStringLiteral("help.html"))).toString());

    // A page asking for new windows gets none of this program's.
    component->Navigate(server_.url("/popup.html"));
    QVERIFY(rec.waitForCompletes(3));
    QTRY_VERIFY_WITH_TIMEOUT(rec.newWindows >= 1, 3000);
    QTest::qWait(300);
    QCOMPARE(master->controlsForTest().mdiArea->subWindowList().size(), 1);
    QVERIFY(rec.paired());
}

// Writes down every native window made (a window's platform surface made), in order.
class NativeWindowLog : public QObject {
public:
    NativeWindowLog() { qApp->installEventFilter(this); }
    ~NativeWindowLog() override { qApp->removeEventFilter(this); }
    int count(const QWindow* window) const { return int(made.count(window)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::PlatformSurface &&
            static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
                QPlatformSurfaceEvent::SurfaceCreated) {
            if (auto* window = qobject_cast<QWindow*>(watched))
                made.append(window);
        }
        return false;
    }

private:
    QList<const QWindow*> made;
};

void TestQtWebBrowser::masterNativeWindowIsMadeOnce_data()
{
    QTest::addColumn<QString>("windowState");
    QTest::newRow("no saved placement") << QString();
    QTest::newRow("saved normal") << QStringLiteral("0");
    QTest::newRow("saved maximised") << QStringLiteral("2");
}

// The master window's native window is made once, with the first page view already in it: a
// page view joining a native window made before makes it anew, which costs the start time and
// forgets a window state given before. Only a platform with OpenGL windows (xcb) makes it anew:
// test_QtWebBrowser_xcb runs this test there.
void TestQtWebBrowser::masterNativeWindowIsMadeOnce()
{
    QFETCH(QString, windowState);
    MemorySettingsStore store;
    ScriptedDialogs dialogs;
    App app(store, dialogs, ProgramFolder(dir_.path()));
    QtWebBrowser* component = nullptr;
    app.newWebBrowser = [&component](QWidget* parent) -> WebBrowser* {
        component = new QtWebBrowser(parent);
        return component;
    };
    app.browserKind = {[](App& a) -> QWidget* { return frmbrowser::create(a); }, true};
    settings::write(store, settings::startPage, QUrl::fromLocalFile(localPage_).toString());
    if (!windowState.isNull()) {
        settings::write(store, settings::placementTop, QStringLiteral("900"));
        settings::write(store, settings::placementLeft, QStringLiteral("900"));
        settings::write(store, settings::placementHeight, QStringLiteral("6000"));
        settings::write(store, settings::placementWidth, QStringLiteral("9000"));
        settings::write(store, settings::windowState, windowState);
    }

    NativeWindowLog log;
    std::unique_ptr<formaster> master = formaster::create(app);
    QVERIFY(component);
    Recorder rec(*component);
    master->show();
    QVERIFY(rec.waitForCompletes(1));
    QVERIFY(master->windowHandle());
    QCOMPARE(log.count(master->windowHandle()), 1);
    QCOMPARE(master->isMaximized(), windowState == QLatin1String("2"));
}

void TestQtWebBrowser::cookiesAreKeptOnDisk()
{
    {
        Page p;
        p.browser.Navigate(server_.url("/cookie"));
        QVERIFY(p.rec.waitForCompletes(1));
    }
    // Releasing the profile writes its cookies out, as the end of the program does.
    QtWebBrowser::releaseProfile();
    const QString storage = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                            QStringLiteral("/webengine");
    const auto stored = [&storage] {
        QFile cookies(storage + QStringLiteral("/Cookies"));
        return cookies.open(QIODevice::ReadOnly) && cookies.readAll().contains("vireo_login");
    };
    QTRY_VERIFY_WITH_TIMEOUT(stored(), 10000);
}

// A window nobody closed (the what's-new page left open when the program ends) still holds a
// view when the profile goes: the view must go first, not be left on a deleted profile.
void TestQtWebBrowser::releasingTheProfileLetsGoOfOpenViews()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^Release of profile")));
    auto window = std::make_unique<QWidget>();
    auto* browser = new QtWebBrowser(window.get());
    Recorder rec(*browser);
    window->show();
    browser->Navigate(localPage_);
    QVERIFY(rec.waitForCompletes(1));

    QtWebBrowser::releaseProfile();
    QCOMPARE(browser->view(), nullptr);
    QCOMPARE(browser->LocationURL(), QString());
    QVERIFY(!browser->GoBack());
    browser->Navigate(localPage_);
    QVERIFY(
        !browser->ExecWB(WebBrowser::Command::SaveAs, WebBrowser::CommandOption::DontPromptUser));
    window.reset();

    // A view made afterwards gets a profile of its own again.
    Page p;
    p.browser.Navigate(localPage_);
    QVERIFY(p.rec.waitForCompletes(1));
    QCOMPARE(p.browser.LocationName(), QStringLiteral("Local Page"));
}

// Browsing is blocked while the Save As dialog is open: the window closes within the dialog's
// own event loop, and the component that asked must not be touched once the dialog returns.
void TestQtWebBrowser::windowClosedWhileSaveAsIsOpen()
{
    MemorySettingsStore settings;
    SlowSaveDialogs dialogs;
    App app(settings, dialogs, ProgramFolder(dir_.path()));
    app.newWebBrowser = [&dialogs](QWidget* parent) -> WebBrowser* {
        return new QtWebBrowser(parent, &dialogs);
    };
    app.browserKind = {[](App& a) -> QWidget* { return frmbrowser::create(a); }, true};
    auto master = std::make_unique<formaster>(app);
    app.setMaster(master.get());
    master->show();
    QPointer<frmbrowser> w = dynamic_cast<frmbrowser*>(app.newBrowser());
    QVERIFY(w);
    w->WebBrowser1().Navigate(localPage_);
    QTRY_COMPARE(w->WebBrowser1().LocationName(), QStringLiteral("Local Page"));

    const QString saved = dir_.filePath(QStringLiteral("saved while closing.html"));
    dialogs.answer = saved;
    dialogs.whileOpen = [&app] { app.browseblocked = QStringLiteral("1"); };
    w->mnu_saveas->trigger();
    QVERIFY(w.isNull());
    QVERIFY(master->controlsForTest().mdiArea->subWindowList().isEmpty());
    QTest::qWait(300);
    QVERIFY(!QFile::exists(saved));
}

// The page's own dialog (an alert) runs an event loop inside the engine: the window must not
// go from under it. It goes once the dialog is gone.
void TestQtWebBrowser::blockedWhileThePagesDialogIsOpen()
{
    MemorySettingsStore settings;
    ScriptedDialogs dialogs;
    App app(settings, dialogs, ProgramFolder(dir_.path()));
    app.newWebBrowser = [](QWidget* parent) -> WebBrowser* { return new QtWebBrowser(parent); };
    app.browserKind = {[](App& a) -> QWidget* { return frmbrowser::create(a); }, true};
    settings.write(QStringLiteral("vro"), QStringLiteral("startup"), QStringLiteral("startpage"),
                   server_.url("/alert.html"));
    auto master = std::make_unique<formaster>(app);
    app.setMaster(master.get());
    master->show();
    QPointer<frmbrowser> w = dynamic_cast<frmbrowser*>(app.newBrowser());
    QVERIFY(w);

    // Browsing is blocked while the alert is up.
    bool dialogSeen = false;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        if (!dialogSeen && QApplication::activeModalWidget()) {
            dialogSeen = true;
            app.browseblocked = QStringLiteral("1");
        }
    });
    watch.start(50);
    // Should the window fail to end the dialog, the test must not wait for ever.
    QTimer::singleShot(8000, this, [] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    QTRY_VERIFY_WITH_TIMEOUT(dialogSeen, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(w.isNull(), 5000);
    QVERIFY(master->controlsForTest().mdiArea->subWindowList().isEmpty());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

int main(int argc, char* argv[])
{
    // As the program does: the engine will not start as root with its sandbox on.
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestQtWebBrowser test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_QtWebBrowser.moc"
