#include "shell/WindowListMenu.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace vireo {

namespace {

QAction* addEntry(QMenu* menu, qsizetype i, QString title, bool active)
{
    // Titles are page titles: an ampersand in one must not become a shortcut mark.
    title.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* action =
        menu->addAction(i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(title) : title);
    action->setCheckable(true);
    action->setChecked(active);
    return action;
}

void bringForward(QWidget* window)
{
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

void fill(QMenu* menu, QMdiArea* area, const std::function<QList<QWidget*>()>& owned)
{
    menu->clear();
    const QList<QMdiSubWindow*> windows = area->subWindowList();
    qsizetype i = 0;
    for (; i < windows.size(); ++i) {
        QMdiSubWindow* sub = windows[i];
        QString title = sub->windowTitle();
        if (title.isEmpty() && sub->widget())
            title = sub->widget()->windowTitle();
        QAction* action = addEntry(menu, i, title, sub == area->activeSubWindow());
        QPointer<QMdiSubWindow> target(sub);
        QObject::connect(action, &QAction::triggered, area, [area, target] {
            if (target)
                area->setActiveSubWindow(target);
        });
    }
    if (!owned)
        return;
    for (QWidget* window : owned()) {
        QAction* action =
            addEntry(menu, i++, window->windowTitle(), window == QApplication::activeWindow());
        QPointer<QWidget> target(window);
        QObject::connect(action, &QAction::triggered, area, [target] {
            if (target)
                bringForward(target);
        });
    }
}

} // namespace

void attachWindowList(QMenu* menu, QMdiArea* area, std::function<QList<QWidget*>()> owned)
{
    QPointer<QMdiArea> guard(area);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, guard, owned = std::move(owned)] {
        if (guard)
            fill(menu, guard, owned);
    });
}

} // namespace vireo
