// Feeds arbitrary bytes to the RTF reader. Besides not crashing or hanging, whatever it reads
// must survive the writer: the written file is 7-bit ASCII, reads back whole, and writing
// that second document gives the same bytes again (same text, same formats).
//
// Both documents live for the whole run: the reader replaces a document's content, as the
// journal window does when it opens another entry, and building a fresh QTextDocument for
// every input cost more than reading it.
#include "journal/RtfReader.h"
#include "journal/RtfWriter.h"

#include <QTextDocument>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vireo;
    static QTextDocument first;
    static QTextDocument second;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const RtfReadResult result = readRtf(bytes, first);
    require(result.offset >= 0 && result.offset <= bytes.size());

    const QByteArray written = writeRtf(first);
    require(std::all_of(written.begin(), written.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    require(readRtf(written, second).status == RtfReadStatus::Complete);
    require(writeRtf(second) == written);
    return 0;
}
