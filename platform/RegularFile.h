#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace vireo {

// Every data file is read through here: the content of `path` when it names a regular file (a
// symbolic link to one counts), else nullopt. A named pipe or a device in its place would block
// the read or never end, so it reads like a missing file; the reason goes to vireo.files.
std::optional<QByteArray> readRegularFile(const QString& path);

// True when `path` is absent or names a regular file: what may be opened, or created, safely.
bool isRegularOrAbsent(const QString& path);

} // namespace vireo
