#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <future>
#include <thread>

#include <sys/stat.h>

namespace vireo::test {

// What may lie where a list file is expected: each must read as an empty list, at once.
struct BadFile {
    const char* what;
    std::function<bool(const QString& path)> make;
};

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QList<BadFile> badFiles()
{
    return {
        {"empty", [](const QString& p) { return writeBytes(p, {}); }},
        {"binary",
         [](const QString& p) {
             QByteArray bytes;
             for (int i = 0; i < 4096; ++i)
                 bytes.append(char((i * 37 + 11) % 256));
             // No comma, quote or line end: one field that has no partner.
             bytes.replace(',', 'x').replace('"', 'x').replace('\r', 'x').replace('\n', 'x');
             return writeBytes(p, bytes);
         }},
        {"10 MB on one line",
         [](const QString& p) { return writeBytes(p, QByteArray(10 * 1024 * 1024, 'a')); }},
        {"a folder", [](const QString& p) { return QDir().mkpath(p); }},
        {"a named pipe",
         [](const QString& p) { return ::mkfifo(QFile::encodeName(p), 0600) == 0; }},
    };
}

// Runs `read` away from the test's thread: a read that blocks (a named pipe with no writer)
// fails the test instead of hanging it. True when it finished within the time.
inline bool finishesSoon(std::function<void()> read)
{
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> finished = done->get_future();
    std::thread([read = std::move(read), done] {
        read();
        done->set_value();
    }).detach();
    return finished.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
}

} // namespace vireo::test
