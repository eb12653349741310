#pragma once

#include <QObject>

class QSocketNotifier;

namespace vireo {

// Turns SIGTERM and SIGINT (a session ending, a shutdown) into the `terminated` signal on the
// user-interface thread, so the program can close its window the ordinary way.
class TerminationWatcher : public QObject {
    Q_OBJECT
public:
    explicit TerminationWatcher(QObject* parent = nullptr);
    ~TerminationWatcher() override;

Q_SIGNALS:
    void terminated();

private:
    static void onSignal(int);
    static int fds_[2];
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace vireo
