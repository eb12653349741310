#pragma once

#include "platform/fakes/FakeWebBrowser.h"
#include "shell/App.h"
#include "shell/BrowserWindow.h"

#include <QList>
#include <QPointer>
#include <QWidget>

namespace vireo::test {

// A browser window over a fake page component: tests see what it was asked to navigate to.
class FakeBrowserWindow : public QWidget, public BrowserWindow {
public:
    FakeBrowserWindow() : page(new FakeWebBrowser(this)) { opened().append(this); }
    QWidget* widget() override { return this; }
    WebBrowser& WebBrowser1() override { return *page; }

    FakeWebBrowser* page;

    static QList<QPointer<FakeBrowserWindow>>& opened()
    {
        static QList<QPointer<FakeBrowserWindow>> windows;
        return windows;
    }
    // Every browser window the app makes is one of these.
    static void registerWith(App& app)
    {
        opened().clear();
        app.browserKind = {[](App&) -> QWidget* { return new FakeBrowserWindow; }, true};
    }
};

} // namespace vireo::test
