#include "shell/WindowListMenu.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

namespace vireo {

namespace {

void fill(QMenu* menu, QMdiArea* area)
{
    menu->clear();
    const QList<QMdiSubWindow*> windows = area->subWindowList();
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* sub = windows[i];
        QString title = sub->windowTitle();
        if (title.isEmpty() && sub->widget())
            title = sub->widget()->windowTitle();
        // Titles are page titles: an ampersand in one must not become a shortcut mark.
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action =
            menu->addAction(i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(title) : title);
        action->setCheckable(true);
        action->setChecked(sub == area->activeSubWindow());
        QPointer<QMdiSubWindow> target(sub);
        QObject::connect(action, &QAction::triggered, area, [area, target] {
            if (target)
                area->setActiveSubWindow(target);
        });
    }
}

} // namespace

void attachWindowList(QMenu* menu, QMdiArea* area)
{
    QPointer<QMdiArea> guard(area);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, guard] {
        if (guard)
            fill(menu, guard);
    });
}

} // namespace vireo
