#pragma once

#include "platform/fakes/FakeWebBrowser.h"
#include "platform/fakes/MemorySettingsStore.h"
#include "platform/fakes/ScriptedDialogs.h"
#include "shell/App.h"

#include <QFile>
#include <QList>
#include <QPointer>
#include <QTemporaryDir>

namespace vireo::test {

// An App over fakes: settings in memory, scripted dialogs, a temporary program folder, and a
// fake page component in every browser window it makes (kept in `pages`). Which windows it
// makes is up to the test: registerWindows(app) for the real ones, useFakeBrowsers for fakes.
struct AppFixture {
    QTemporaryDir dir;
    MemorySettingsStore settings;
    ScriptedDialogs dialogs;
    App app{settings, dialogs, ProgramFolder(dir.path())};
    QList<QPointer<FakeWebBrowser>> pages;

    AppFixture()
    {
        app.newWebBrowser = [this](QWidget* parent) -> WebBrowser* {
            auto* page = new FakeWebBrowser(parent);
            pages.append(page);
            return page;
        };
    }

    // A file of the program folder, named as the program names it ("\items.txt").
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
