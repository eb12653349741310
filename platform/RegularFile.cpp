#include "platform/RegularFile.h"

#include "platform/Logging.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vireo {

std::optional<QByteArray> readRegularFile(const QString& path)
{
    // O_NONBLOCK: opening a named pipe must not wait for a writer; it changes nothing for a
    // regular file. The type is then checked on what was opened, not on the name.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        qCWarning(lcFiles) << "cannot read" << path << std::strerror(errno);
        return std::nullopt;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        qCWarning(lcFiles) << "cannot read" << path << "not a regular file";
        ::close(fd);
        return std::nullopt;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        qCWarning(lcFiles) << "cannot read" << path << file.errorString();
        ::close(fd);
        return std::nullopt;
    }
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        qCWarning(lcFiles) << "cannot read" << path << file.errorString();
        return std::nullopt;
    }
    return content;
}

bool isRegularOrAbsent(const QString& path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR;
    return S_ISREG(st.st_mode);
}

} // namespace vireo
