#pragma once

#include <QString>
#include <QStringList>
#include <QVersionNumber>

namespace vireo {

// Keeps a per-user program folder in step with the data an installed program ships: the shipped
// files the user lacks are copied in, and when a newer version is installed the copies of the
// files the program only reads (pages, link lists, homework files, bitmaps) are replaced by the
// new ones. Files that the user's use writes are never replaced.
class ShippedData {
public:
    // Names of the files the program writes while it is used, as wildcards matched against the
    // file name without case. A new kind of file the program writes belongs here.
    static const QStringList& userWritten();
    static bool isUserWritten(const QString& fileName);

    struct Result {
        int copied = 0;    // files the user's folder lacked
        int refreshed = 0; // copies replaced by a newer shipped file
        int failed = 0;    // files that could not be written (logged to vireo.files)
    };

    // Copies every shipped file of `from` that `to` lacks. When `installed` is newer than the
    // version recorded in `to`, also replaces the copies of the read-only files whose content
    // differs, then records `installed`; a failed copy leaves the record as it was, so the next
    // start tries again.
    static Result update(const QString& from, const QString& to, const QVersionNumber& installed);

    // The version of this program, which a per-user folder records once it holds its files.
    static QVersionNumber installedVersion();

    // The version whose files `folder` holds: null when none was recorded (a folder seeded by a
    // program that kept no record).
    static QVersionNumber recordedVersion(const QString& folder);

    static constexpr const char* versionFileName = "vireo-version.txt";
};

} // namespace vireo
