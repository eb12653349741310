#include "shell/TerminationWatcher.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace vireo {

int TerminationWatcher::fds_[2] = {-1, -1};

TerminationWatcher::TerminationWatcher(QObject* parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, fds_) != 0)
        return;
    notifier_ = new QSocketNotifier(fds_[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        if (::read(fds_[1], &byte, 1) == 1)
            Q_EMIT terminated();
    });
    struct sigaction action {};
    action.sa_handler = &TerminationWatcher::onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

TerminationWatcher::~TerminationWatcher()
{
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
}

void TerminationWatcher::onSignal(int)
{
    // Only async-signal-safe work here: wake the notifier.
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(fds_[0], &byte, 1);
}

} // namespace vireo
