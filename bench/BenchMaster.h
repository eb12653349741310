#pragma once

#include "platform/fakes/MemorySettingsStore.h"
#include "platform/fakes/ScriptedDialogs.h"
#include "shell/App.h"
#include "shell/ListFile.h"
#include "shell/formaster.h"

#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace vireo::bench {

// A master window over fakes in a temporary program folder.
struct BenchMaster {
    QTemporaryDir dir;
    MemorySettingsStore settings;
    ScriptedDialogs dialogs;
    App app{settings, dialogs, ProgramFolder(dir.path())};
    formaster m{app};

    BenchMaster() { app.setMaster(&m); }
    QString path(const char* name) const { return app.folder().path(QLatin1String(name)); }
};

// Addresses that share long prefixes, as a real history does.
inline QStringList addresses(int n)
{
    QStringList list;
    list.reserve(n);
    for (int i = 0; i < n; ++i)
        list.append(
            QStringLiteral("http://www.site%1.example/page%2.html").arg(i * 7919 % n).arg(i % 97));
    return list;
}

inline void writeList(const QString& path, const QStringList& list)
{
    ListFile::write(path, list.size(), [&list](qsizetype i) { return list.at(i); });
}

} // namespace vireo::bench

// Benchmarks need a widget application; offscreen unless a platform is chosen.
#define VIREO_BENCH_MAIN()                                                                         \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication qapp(argc, argv);                                                             \
        ::benchmark::Initialize(&argc, argv);                                                      \
        ::benchmark::RunSpecifiedBenchmarks();                                                     \
        ::benchmark::Shutdown();                                                                   \
        return 0;                                                                                  \
    }
