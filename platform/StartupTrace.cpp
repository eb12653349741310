#include "platform/StartupTrace.h"

#include "platform/Logging.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <cstring>
#include <ctime>
#include <unistd.h>
#include <vector>

namespace vireo {

namespace {

QElapsedTimer& clock()
{
    static QElapsedTimer timer;
    return timer;
}

// Milliseconds from the start of this process to begin(): the loading of the libraries and
// their static set-up. 0 where the kernel does not tell (10 ms steps where it does).
qint64& beforeMain()
{
    static qint64 ms = 0;
    return ms;
}

qint64 millisecondsSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    // The command name may hold spaces and brackets: the fields are counted after its last ')'.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    // Field 22 of the line, the start time in clock ticks since boot, is the 20th after the name.
    constexpr int startTimeField = 19;
    timespec now{};
    const long ticks = ::sysconf(_SC_CLK_TCK);
    if (fields.size() <= startTimeField || ticks <= 0 || ::clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return 0;
    const qint64 started = fields.at(startTimeField).toLongLong() * 1000 / ticks;
    const qint64 ms = qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000 - started;
    return ms > 0 ? ms : 0;
}

} // namespace

void StartupTrace::begin()
{
    clock().start();
    if (lcStartup().isDebugEnabled())
        beforeMain() = millisecondsSinceProcessStart();
    mark("main() reached");
}

void StartupTrace::mark(const char* step)
{
    if (!lcStartup().isDebugEnabled())
        return;
    static std::vector<const char*> marked;
    for (const char* seen : marked) {
        if (std::strcmp(seen, step) == 0)
            return;
    }
    marked.push_back(step);
    const qint64 ms = clock().isValid() ? beforeMain() + clock().elapsed() : -1;
    qCDebug(lcStartup, "%lld ms %s", static_cast<long long>(ms), step);
}

} // namespace vireo
