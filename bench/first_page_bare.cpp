// The floor for bench/first_page.sh: the least a program can do to show a local page in a
// QWebEngineView, with the engine set up as Vireo sets it up (the sandbox off only as root, the
// OpenGL contexts shared). Prints "first page complete" on stderr once the page has loaded.
//   first_page_bare <page file> [width height]
#include <QApplication>
#include <QStringList>
#include <QUrl>
#include <QWebEngineView>
#include <cstdio>
#include <unistd.h>
#include <utility>

int main(int argc, char* argv[])
{
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fputs("usage: first_page_bare <page file> [width height]\n", stderr);
        return 2;
    }
    QWebEngineView view;
    bool reported = false;
    QObject::connect(&view, &QWebEngineView::loadFinished, [&reported] {
        if (std::exchange(reported, true))
            return;
        std::fputs("first_page_bare: first page complete\n", stderr);
        std::fflush(stderr);
    });
    view.resize(args.size() >= 4 ? args.at(2).toInt() : 800,
                args.size() >= 4 ? args.at(3).toInt() : 600);
    view.load(QUrl::fromLocalFile(args.at(1)));
    view.show();
    return app.exec();
}
