#pragma once

#include <QTest>
#include <QWidget>
#include <QWindow>

namespace vireo::test {

// Double-clicks a widget of a shown window as the windowing system does: two presses and
// releases reach its window in quick succession, and Qt tells the widget press, release,
// press, double-click, release. (QTest's own double-click on a widget sends the double-click
// event alone.)
inline void doubleClickThroughWindow(QWidget* widget)
{
    QWidget* top = widget->window();
    QTest::mouseDClick(top->windowHandle(), Qt::LeftButton, {},
                       widget->mapTo(top, widget->rect().center()));
}

// One click the same way.
inline void clickThroughWindow(QWidget* widget)
{
    QWidget* top = widget->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {},
                      widget->mapTo(top, widget->rect().center()));
}

} // namespace vireo::test
