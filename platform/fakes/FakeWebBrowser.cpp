#include "platform/fakes/FakeWebBrowser.h"

namespace vireo {

void FakeWebBrowser::Navigate(const QString& address)
{
    calls.append(QStringLiteral("Navigate ") + address);
}

bool FakeWebBrowser::GoBack()
{
    calls.append(QStringLiteral("GoBack"));
    return canGoBack;
}

bool FakeWebBrowser::GoForward()
{
    calls.append(QStringLiteral("GoForward"));
    return canGoForward;
}

bool FakeWebBrowser::Stop()
{
    calls.append(QStringLiteral("Stop"));
    return true;
}

bool FakeWebBrowser::Refresh()
{
    calls.append(QStringLiteral("Refresh"));
    return true;
}

bool FakeWebBrowser::ExecWB(Command command, CommandOption option)
{
    calls.append(QStringLiteral("ExecWB %1 %2")
                     .arg(static_cast<int>(command))
                     .arg(static_cast<int>(option)));
    return true;
}

} // namespace vireo
