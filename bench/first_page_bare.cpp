// The floor for bench/first_page.sh: the least a program can do to show a local page in a
// QWebEngineView, with the engine set up as Vireo sets it up (the sandbox off only as root, the
// OpenGL contexts shared). Prints "first page complete" on stderr once the page has loaded, and
// the same start-up milestones as Vireo's on QT_LOGGING_RULES="vireo.startup.debug=true".
//   first_page_bare <page file> [width height]
#include "platform/StartupTrace.h"

#include <QApplication>
#include <QStringList>
#include <QUrl>
#include <QWebEngineView>
#include <cstdio>
#include <unistd.h>
#include <utility>

using vireo::StartupTrace;

int main(int argc, char* argv[])
{
    StartupTrace::begin();
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    StartupTrace::mark("application made");
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fputs("usage: first_page_bare <page file> [width height]\n", stderr);
        return 2;
    }
    QWebEngineView view;
    StartupTrace::mark("page view made");
    QObject::connect(&view, &QWebEngineView::loadStarted,
                     [] { StartupTrace::mark("page load started"); });
    bool reported = false;
    QObject::connect(&view, &QWebEngineView::loadFinished, [&reported] {
        StartupTrace::mark("page load finished");
        if (std::exchange(reported, true))
            return;
        std::fputs("first_page_bare: first page complete\n", stderr);
        std::fflush(stderr);
    });
    view.resize(args.size() >= 4 ? args.at(2).toInt() : 800,
                args.size() >= 4 ? args.at(3).toInt() : 600);
    StartupTrace::mark("page asked for");
    view.load(QUrl::fromLocalFile(args.at(1)));
    view.show();
    StartupTrace::mark("window shown");
    return app.exec();
}
