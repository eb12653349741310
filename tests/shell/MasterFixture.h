#pragma once

#include "FakeBrowserWindow.h"
#include "platform/fakes/MemorySettingsStore.h"
#include "platform/fakes/ScriptedDialogs.h"
#include "shell/App.h"
#include "shell/formaster.h"

#include <QFile>
#include <QTemporaryDir>

namespace vireo::test {

// A master window over fakes, with a temporary program folder and fake browser windows.
struct MasterFixture {
    QTemporaryDir dir;
    MemorySettingsStore settings;
    ScriptedDialogs dialogs;
    App app{settings, dialogs, ProgramFolder(dir.path())};
    formaster m{app};

    MasterFixture()
    {
        app.setMaster(&m);
        FakeBrowserWindow::registerWith(app);
    }

    QString path(const char* name) const { return app.folder().path(QLatin1String(name)); }

    void put(const char* name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    QByteArray contents(const char* name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool exists(const char* name) const { return QFile::exists(path(name)); }
};

} // namespace vireo::test
