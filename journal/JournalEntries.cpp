#include "journal/JournalEntries.h"

#include "platform/Logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vireo {

namespace {

const QLatin1String extension(".vjf");

} // namespace

QString JournalEntries::entryName(QDate date) const
{
    return locale_.toString(date, QStringLiteral("yyyy MMM d")) + extension;
}

QString JournalEntries::todayTitle(QDate today) const
{
    return QStringLiteral("My Thoughts for ") +
           locale_.toString(today, QStringLiteral("yyyy - MMM - d"));
}

QString JournalEntries::listTitle(const QString& name)
{
    return QStringLiteral("My Thoughts for: ") + name.left(name.size() - 4);
}

QStringList JournalEntries::list() const
{
    const QDir dir(folder_.root());
    return dir.entryList({QLatin1String("*") + extension}, QDir::Files, QDir::Name);
}

QString JournalEntries::path(const QString& name) const
{
    return folder_.path(QLatin1Char('\\') + name);
}

JournalEntries::ReadResult JournalEntries::read(const QString& name) const
{
    const QString file = path(name);
    const QFileInfo info(file);
    if (!info.exists())
        return {ReadStatus::Missing, {}};
    // A named pipe or a device would block or never end.
    if (!info.isFile()) {
        qCWarning(lcFiles) << "not a regular file:" << file;
        return {ReadStatus::Unreadable, {}};
    }
    if (info.size() > maxEntryBytes) {
        qCWarning(lcFiles) << "too large for an entry:" << file << info.size() << "bytes";
        return {ReadStatus::Unreadable, {}};
    }
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        qCWarning(lcFiles) << "cannot read" << file << in.errorString();
        return {ReadStatus::Unreadable, {}};
    }
    QByteArray bytes = in.read(maxEntryBytes + 1);
    if (in.error() != QFileDevice::NoError || bytes.size() > maxEntryBytes) {
        qCWarning(lcFiles) << "cannot read" << file << in.errorString();
        return {ReadStatus::Unreadable, {}};
    }
    return {ReadStatus::Read, std::move(bytes)};
}

bool JournalEntries::write(const QString& name, const QByteArray& bytes) const
{
    const QString file = path(name);
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        qCWarning(lcFiles) << "cannot write" << file << out.errorString();
        return false;
    }
    if (out.write(bytes) != bytes.size()) {
        qCWarning(lcFiles) << "cannot write" << file << out.errorString();
        out.cancelWriting();
        return false;
    }
    if (out.commit())
        return true;
    qCWarning(lcFiles) << "cannot replace" << file << out.errorString();
    return false;
}

} // namespace vireo
