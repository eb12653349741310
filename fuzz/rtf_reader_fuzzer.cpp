// Feeds arbitrary bytes to the RTF reader. Besides not crashing or hanging, whatever it reads
// must survive the writer: the written file is 7-bit ASCII, reads back whole, and writing
// that second document gives the same bytes again (same text, same formats).
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
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    QTextDocument first;
    const RtfReadResult result = readRtf(bytes, first);
    require(result.offset >= 0 && result.offset <= bytes.size());

    const QByteArray written = writeRtf(first);
    require(std::all_of(written.begin(), written.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    QTextDocument second;
    require(readRtf(written, second).status == RtfReadStatus::Complete);
    require(second.toPlainText() == first.toPlainText());
    require(writeRtf(second) == written);
    return 0;
}
