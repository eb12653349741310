#pragma once

// Temporary XDG folders for a test of the desktop's programs.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

namespace vireo::test {

// Points the XDG folders at `root` for as long as it lives, and leaves the desktop unnamed, so
// the desktop's programs are only those set up there.
class XdgFolders {
public:
    explicit XdgFolders(const QString& root)
    {
        for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS",
                                 "XDG_CONFIG_DIRS", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION",
                                 "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID", "BROWSER"}) {
            saved_.append({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
            qunsetenv(name);
        }
        qputenv("XDG_DATA_HOME", (root + QStringLiteral("/data")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (root + QStringLiteral("/config")).toLocal8Bit());
        qputenv("XDG_DATA_DIRS", (root + QStringLiteral("/system-data")).toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", (root + QStringLiteral("/system-config")).toLocal8Bit());
    }
    ~XdgFolders()
    {
        for (const Saved& s : saved_) {
            if (s.set)
                qputenv(s.name, s.value);
            else
                qunsetenv(s.name);
        }
    }
    XdgFolders(const XdgFolders&) = delete;
    XdgFolders& operator=(const XdgFolders&) = delete;

private:
    struct Saved {
        const char* name;
        QByteArray value;
        bool set;
    };
    QList<Saved> saved_;
};

} // namespace vireo::test
