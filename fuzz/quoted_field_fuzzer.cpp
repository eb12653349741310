// Feeds arbitrary bytes to the quoted-field reader. Besides not crashing, what it reads must
// survive a write and a second read unchanged: that is what every list file relies on.
#include "shell/QuotedFieldReader.h"
#include "shell/QuotedFieldWriter.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vireo;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    QuotedFieldReader reader(bytes);
    QStringList fields;
    while (!reader.atEnd()) {
        const auto field = reader.readField();
        if (!field)
            std::abort(); // not at the end, yet nothing to read
        fields.append(*field);
    }
    if (reader.readField())
        std::abort(); // reading past the end must fail

    QuotedFieldWriter writer;
    for (const QString& field : fields)
        writer.writeText(field);
    if (QuotedFieldReader(writer.bytes()).readAll() != fields)
        std::abort();
    return 0;
}
