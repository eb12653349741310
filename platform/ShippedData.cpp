#include "platform/ShippedData.h"

#include "platform/Logging.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace vireo {

namespace {

QByteArray readAll(const QString& path, bool* ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    return *ok ? file.readAll() : QByteArray();
}

// Writes through QSaveFile: a failed refresh leaves the user's old copy whole.
bool writeAll(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() ||
        !file.commit()) {
        qCWarning(lcFiles) << "cannot write" << path << file.errorString();
        return false;
    }
    return true;
}

} // namespace

const QStringList& ShippedData::userWritten()
{
    static const QStringList names{
        QStringLiteral("items.txt"),     // URL history
        QStringLiteral("log.txt"),       // browsing log
        QStringLiteral("bookmarks.vro"), // favourites
        QStringLiteral("*.vr3"),         // playlists, the carried-over one included
        QStringLiteral("contacts.vpm"),  // the phone book's index
        QStringLiteral("*.vpe"),         // one file per contact
        QStringLiteral("*.vjf"),         // journal entries
    };
    return names;
}

bool ShippedData::isUserWritten(const QString& fileName)
{
    static const QList<QRegularExpression> patterns = [] {
        QList<QRegularExpression> list;
        for (const QString& name : userWritten())
            list.append(QRegularExpression(QRegularExpression::wildcardToRegularExpression(name),
                                           QRegularExpression::CaseInsensitiveOption));
        return list;
    }();
    const QString name = QFileInfo(fileName).fileName();
    for (const QRegularExpression& pattern : patterns) {
        if (pattern.match(name).hasMatch())
            return true;
    }
    return false;
}

QVersionNumber ShippedData::installedVersion()
{
    return QVersionNumber(VIREO_VERSION_MAJOR, VIREO_VERSION_MINOR, VIREO_VERSION_PATCH);
}

QVersionNumber ShippedData::recordedVersion(const QString& folder)
{
    bool ok = false;
    const QByteArray text =
        readAll(folder + QLatin1Char('/') + QLatin1String(versionFileName), &ok);
    return QVersionNumber::fromString(QString::fromLatin1(text.trimmed()));
}

ShippedData::Result ShippedData::update(const QString& from, const QString& to,
                                        const QVersionNumber& installed)
{
    Result result;
    const bool newer = installed > recordedVersion(to);
    const QDir source(from);
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = source.relativeFilePath(file);
        const QString target = to + QLatin1Char('/') + relative;
        const bool present = QFileInfo::exists(target);
        if (present && (!newer || isUserWritten(relative)))
            continue;
        bool ok = false;
        const QByteArray content = readAll(file, &ok);
        if (!ok) {
            qCWarning(lcFiles) << "cannot read" << file;
            ++result.failed;
            continue;
        }
        if (present) {
            bool readable = false;
            if (readAll(target, &readable) == content && readable)
                continue;
        }
        if (!writeAll(target, content)) {
            ++result.failed;
            continue;
        }
        ++(present ? result.refreshed : result.copied);
    }
    if (newer && result.failed == 0)
        writeAll(to + QLatin1Char('/') + QLatin1String(versionFileName),
                 installed.toString().toLatin1() + '\n');
    return result;
}

} // namespace vireo
