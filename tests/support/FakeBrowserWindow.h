#pragma once

#include "platform/fakes/FakeWebBrowser.h"
#include "shell/App.h"
#include "shell/BrowserWindow.h"

#include <QList>
#include <QPointer>
#include <QWidget>

namespace vireo::test {

// A browser window over a fake page component, for tests of the windows that open or drive
// browser windows: they see what it was asked to navigate to in `page.calls`.
class FakeBrowserWindow : public QWidget, public BrowserWindow {
public:
    FakeBrowserWindow() : page(this) { setWindowTitle(QStringLiteral("Vireo")); }
    QWidget* widget() override { return this; }
    WebBrowser& WebBrowser1() override { return page; }
    void showHomeworkHelp() override { ++homeworkShown; }
    FakeWebBrowser page;
    // How often the homework panel was asked for.
    int homeworkShown = 0;
};

// The fake windows made so far, in order; a closed one reads as null.
using FakeBrowserWindows = QList<QPointer<FakeBrowserWindow>>;

// Makes every browser window of `app` a fake one and appends it to `made`.
inline void useFakeBrowsers(App& app, FakeBrowserWindows& made)
{
    app.browserKind = {[&made](App&) {
                           auto* w = new FakeBrowserWindow;
                           made.append(w);
                           return static_cast<QWidget*>(w);
                       },
                       true};
}

} // namespace vireo::test
