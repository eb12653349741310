// Loading and saving a 100,000-entry playlist: the file alone, and through the player
// window, filling (or reading) its two lists.
#include "platform/fakes/MemorySettingsStore.h"
#include "platform/fakes/ScriptedDialogs.h"
#include "player/PlaylistFile.h"
#include "player/frmmp3.h"
#include "shell/App.h"

#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int entryCount = 100000;

struct Rig {
    QTemporaryDir dir;
    vireo::MemorySettingsStore settings;
    vireo::ScriptedDialogs dialogs;
    vireo::App app{settings, dialogs, vireo::ProgramFolder(dir.path())};
    QString list = dir.filePath(QStringLiteral("big.vr3"));
    QString copy = dir.filePath(QStringLiteral("copy.vr3"));

    Rig()
    {
        vireo::Playlist playlist;
        playlist.reserve(entryCount);
        for (int i = 0; i < entryCount; ++i)
            playlist.append(
                QStringLiteral("Some Artist - Song number %1").arg(i),
                QStringLiteral("/home/teen/Music/Some Artist/song number %1.mp3").arg(i));
        if (!vireo::PlaylistFile::save(list, playlist))
            std::abort();
    }
};

Rig& rig()
{
    static Rig r;
    return r;
}

void FileLoad(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(vireo::PlaylistFile::load(rig().list));
    state.SetItemsProcessed(state.iterations() * entryCount);
}
BENCHMARK(FileLoad)->Unit(benchmark::kMillisecond);

void FileSave(benchmark::State& state)
{
    const vireo::Playlist playlist = vireo::PlaylistFile::load(rig().list);
    for (auto _ : state)
        vireo::PlaylistFile::save(rig().copy, playlist);
    state.SetItemsProcessed(state.iterations() * entryCount);
}
BENCHMARK(FileSave)->Unit(benchmark::kMillisecond);

void WindowLoad(benchmark::State& state)
{
    vireo::frmmp3 window(rig().app);
    for (auto _ : state) {
        window.loadplaylist(rig().list);
        benchmark::DoNotOptimize(window.List2->count());
    }
    if (window.List2->count() != entryCount)
        state.SkipWithError("not every entry loaded");
    state.SetItemsProcessed(state.iterations() * entryCount);
}
BENCHMARK(WindowLoad)->Unit(benchmark::kMillisecond);

void WindowSave(benchmark::State& state)
{
    vireo::frmmp3 window(rig().app);
    window.loadplaylist(rig().list);
    window.setPlaylistPath(rig().copy);
    for (auto _ : state)
        window.saveplaylist();
    state.SetItemsProcessed(state.iterations() * entryCount);
}
BENCHMARK(WindowSave)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
