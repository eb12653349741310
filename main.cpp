#include "RegisterWindows.h"
#include "platform/GstMediaPlayer.h"
#include "platform/IniSettingsStore.h"
#include "platform/ProgramFolder.h"
#include "platform/QtDesktopCommands.h"
#include "platform/QtDialogs.h"
#include "platform/QtPrinting.h"
#include "platform/QtWebBrowser.h"
#include "platform/StartupTrace.h"
#include "shell/App.h"
#include "shell/CursorBlinkTimeout.h"
#include "shell/StartProcedure.h"
#include "shell/TerminationWatcher.h"
#include "shell/formaster.h"

#include <QApplication>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>
#include <utility>

using namespace vireo;

int main(int argc, char* argv[])
{
    StartupTrace::begin();
    // The page engine refuses to start as root with its sandbox on; ordinary users keep it.
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The page engine shares its OpenGL contexts with the windows.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);

    // GStreamer starts with the first player, so the first page does not wait for it (on a first
    // start it builds its plugin registry). Its own options (--gst-...) must leave the command
    // line before Qt reads it: given any, it starts here.
    const auto isGstOption = [](const char* arg) { return std::strncmp(arg, "--gst-", 6) == 0; };
    if (std::any_of(argv + 1, argv + argc, isGstOption))
        GstMediaPlayer::initialize(&argc, &argv);
    QApplication qapp(argc, argv);
    StartupTrace::mark("application made");
    QApplication::setApplicationName(QStringLiteral("vireo"));
    QApplication::setApplicationVersion(StartProcedure::version());
    // Ties the windows to the installed desktop entry (its name, icon and launcher).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vireo.Vireo"));
    // Only the master window's unload or "Exit" ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // Outlives every page view, and goes before the engine shuts down with the application.
    QtWebBrowser::ProfileScope webProfile;
    QtWebBrowser::quietEngineInformation();
    // Text cursors blink for 10 s after the last key press or click (as desktops do), so an
    // idle program does not repaint twice a second.
    CursorBlinkTimeout cursorBlink(10000);

    IniSettingsStore settings(IniSettingsStore::defaultFolder());
    QtDialogs dialogs;
    QtDesktopCommands desktop;
    App app(settings, dialogs, ProgramFolder::locate(QApplication::applicationDirPath()));
    app.commandLine = QApplication::arguments().mid(1).join(QLatin1Char(' '));
    app.desktop = &desktop;
    registerWindows(app);
    QObject::connect(
        &app, &App::ended, &qapp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);

    QtPrinting printing;
    app.printing = &printing;
    app.newMediaPlayer = [](QObject* parent) -> MediaPlayer* { return new GstMediaPlayer(parent); };
    // bench/first_page.sh asks for a line on stderr when the first page has loaded.
    static bool firstPageToReport = qEnvironmentVariableIsSet("VIREO_REPORT_FIRST_PAGE");
    app.newWebBrowser = [&dialogs, &desktop](QWidget* parent) -> WebBrowser* {
        auto* browser = new QtWebBrowser(parent, &dialogs, &desktop);
        if (firstPageToReport) {
            QObject::connect(browser, &WebBrowser::DownloadComplete, [] {
                if (!std::exchange(firstPageToReport, false))
                    return;
                std::fputs("vireo: first page complete\n", stderr);
                std::fflush(stderr);
            });
        }
        return browser;
    };

    std::unique_ptr<formaster> master;
    TerminationWatcher watcher;
    QObject::connect(&watcher, &TerminationWatcher::terminated, &qapp, [&master, &app] {
        if (master)
            master->endOnRequest();
        else
            app.endProgram();
    });

    StartProcedure::run(app, [&] {
        master = formaster::create(app);
        StartupTrace::mark("master window loaded");
        dialogs.setParentWindow(master.get());
        master->show();
        StartupTrace::mark("master window shown");
    });
    if (app.hasEnded())
        return 0;
    return qapp.exec();
}
