// Feeds arbitrary bytes to the ID3 version 1 tag parser and checks what it promises: fields
// never wider than the tag allows, a Year of exactly four characters, a Genre from the table
// or empty, and all fields blank unless the bytes begin with the marker.
#include "player/GenreTable.h"
#include "player/clsMP3.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void check(vireo::clsMP3& tag, QByteArrayView bytes)
{
    tag.parse(bytes);
    require(tag.Title().size() <= 30 && tag.Artist().size() <= 30);
    require(tag.Album().size() <= 30 && tag.Comment().size() <= 30);
    require(tag.Year().size() == 4);
    require(tag.Genre().isEmpty() || vireo::GenreTable::names().contains(tag.Genre()));
    const bool tagged = bytes.size() == vireo::clsMP3::tagSize && bytes.startsWith("TAG");
    if (!tagged) {
        require(tag.Title().isEmpty() && tag.Artist().isEmpty() && tag.Album().isEmpty());
        require(tag.Comment().isEmpty() && tag.Genre().isEmpty());
        require(tag.Year() == QLatin1String("    "));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    vireo::clsMP3 tag;
    // The buffer as given (any length), then its last 128 bytes as a file's tag would be.
    check(tag, bytes);
    if (bytes.size() >= vireo::clsMP3::tagSize)
        check(tag, bytes.last(vireo::clsMP3::tagSize));
    return 0;
}
