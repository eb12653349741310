#pragma once

#include <QFile>
#include <QString>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace vireo::test {

// Puts a named pipe at `path` (in place of a data file). False when it could not be made.
inline bool makeNamedPipe(const QString& path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

// Runs `read` on another thread and says whether it came back within two seconds. A read that
// is stuck opening the pipe (nobody writes to it) is let go afterwards, so the test can end.
template <typename Read> bool returnsPromptly(const QString& pipe, Read read)
{
    auto done = std::async(std::launch::async, read);
    const bool returned = done.wait_for(std::chrono::seconds(2)) == std::future_status::ready;
    while (done.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready) {
        const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }
    return returned;
}

} // namespace vireo::test
