#pragma once

#include "platform/fakes/FakeWebBrowser.h"
#include "shell/App.h"
#include "shell/BrowserWindow.h"

#include <QWidget>

namespace vireo::testing {

// A browser window for tests of the windows that open or drive browser windows.
class FakeBrowserWindow : public QWidget, public BrowserWindow {
public:
    FakeBrowserWindow() : page(this) { setWindowTitle(QStringLiteral("Vireo")); }
    QWidget* widget() override { return this; }
    WebBrowser& WebBrowser1() override { return page; }
    FakeWebBrowser page;
};

// Registers the fake as the App's browser window kind; every window made is appended to `made`.
inline void useFakeBrowsers(App& app, QList<FakeBrowserWindow*>& made)
{
    app.browserKind = {[&made](App&) {
                           auto* w = new FakeBrowserWindow;
                           made.append(w);
                           return static_cast<QWidget*>(w);
                       },
                       true};
}

} // namespace vireo::testing
