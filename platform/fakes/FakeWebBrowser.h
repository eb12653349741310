#pragma once

#include "platform/WebBrowser.h"

#include <QList>
#include <QStringList>

namespace vireo {

// A page component for tests: records what it was asked to do; tests raise its events by
// emitting its signals and set what its properties report.
class FakeWebBrowser final : public WebBrowser {
    Q_OBJECT
public:
    using WebBrowser::WebBrowser;

    QWidget* view() override { return nullptr; }
    void Navigate(const QString& address) override;
    bool GoBack() override;
    bool GoForward() override;
    bool Stop() override;
    bool Refresh() override;
    bool ExecWB(Command command, CommandOption option) override;
    QString LocationName() const override { return locationName; }
    QString LocationURL() const override { return locationURL; }

    // Every call, in order: "Navigate <address>", "GoBack", "ExecWB 6 2"...
    QStringList calls;
    QString locationName;
    QString locationURL;
    bool canGoBack = false;
    bool canGoForward = false;
};

} // namespace vireo
