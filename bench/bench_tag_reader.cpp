// Tags read per second over 10,000 small song files, beside the floor of a bare
// open / 128-byte read / close of the same files and, when it is installed, TagLib.
#include "player/clsMP3.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

#ifdef VIREO_BENCH_TAGLIB
#include <taglib/id3v1tag.h>
#include <taglib/mpegfile.h>
#endif

namespace {

constexpr int fileCount = 10000;

struct Songs {
    QTemporaryDir dir;
    QStringList paths;
    std::vector<QByteArray> native;

    Songs()
    {
        QByteArray body("\xFF\xFB\x90\x64", 4);
        body += QByteArray(2000, '\x55');
        for (int i = 0; i < fileCount; ++i) {
            QByteArray tag = "TAG";
            tag += QByteArray("Title ").append(QByteArray::number(i)).leftJustified(30, ' ');
            tag += QByteArray("Artist").leftJustified(30, ' ');
            tag += QByteArray("Album").leftJustified(30, ' ');
            tag += "2003";
            tag += QByteArray(30, ' ');
            tag += char(i % 148);
            const QString path = dir.filePath(QStringLiteral("song%1.mp3").arg(i));
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly))
                std::abort();
            file.write(body + tag);
            paths.append(path);
            native.push_back(QFile::encodeName(path));
        }
    }
};

const Songs& songs()
{
    static const Songs s;
    return s;
}

void BareOpenReadClose(benchmark::State& state)
{
    const Songs& s = songs();
    char buffer[128];
    for (auto _ : state) {
        for (const QByteArray& path : s.native) {
            const int fd = ::open(path.constData(), O_RDONLY);
            const off_t size = ::lseek(fd, 0, SEEK_END);
            benchmark::DoNotOptimize(::pread(fd, buffer, sizeof buffer, size - 128));
            ::close(fd);
        }
    }
    state.SetItemsProcessed(state.iterations() * fileCount);
}
BENCHMARK(BareOpenReadClose)->Unit(benchmark::kMillisecond);

void TagReader(benchmark::State& state)
{
    const Songs& s = songs();
    vireo::clsMP3 reader;
    for (auto _ : state) {
        for (const QString& path : s.paths) {
            reader.setFilename(path);
            benchmark::DoNotOptimize(reader.Title());
        }
    }
    state.SetItemsProcessed(state.iterations() * fileCount);
}
BENCHMARK(TagReader)->Unit(benchmark::kMillisecond);

void TagReaderParseOnly(benchmark::State& state)
{
    QByteArray tag = "TAG" + QByteArray(124, 'x') + char(17);
    vireo::clsMP3 reader;
    for (auto _ : state) {
        reader.parse(tag);
        benchmark::DoNotOptimize(reader.Title());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(TagReaderParseOnly);

#ifdef VIREO_BENCH_TAGLIB
void TagLibId3v1(benchmark::State& state)
{
    const Songs& s = songs();
    for (auto _ : state) {
        for (const QByteArray& path : s.native) {
            TagLib::MPEG::File file(path.constData(), false);
            if (TagLib::ID3v1::Tag* tag = file.ID3v1Tag())
                benchmark::DoNotOptimize(tag->title());
        }
    }
    state.SetItemsProcessed(state.iterations() * fileCount);
}
BENCHMARK(TagLibId3v1)->Unit(benchmark::kMillisecond);
#endif

} // namespace

BENCHMARK_MAIN();
