#include "journal/RtfTextDecoder.h"

#include "journal/RtfCodePages.h"

#include <algorithm>
#include <iterator>

namespace vireo {

namespace {

// Code pages that RTF writers name in \ansicpg, \cpg or through a font's charset. Anything
// else (UTF-16, made-up numbers) is not a byte code page for RTF text.
constexpr int knownCodePages[] = {
    437,   708,   720,   737,   775,   850,   852,   855,   857,   858,   860,   861,
    862,   863,   864,   865,   866,   869,   874,   932,   936,   949,   950,   1250,
    1251,  1253,  1254,  1255,  1256,  1257,  1258,  1361,  10000, 10001, 10002, 10003,
    10004, 10005, 10006, 10007, 10008, 10029, 10079, 10081, 20866, 21866, 65001};

bool isKnown(int codePage)
{
    return std::binary_search(std::begin(knownCodePages), std::end(knownCodePages), codePage);
}

} // namespace

int RtfTextDecoder::effectiveCodePage(int codePage)
{
    return decoderFor(codePage) ? codePage : windows1252;
}

void RtfTextDecoder::decode(QByteArrayView bytes, int codePage, QString& out)
{
    if (QStringDecoder* decoder = decoderFor(codePage)) {
        decoder->resetState();
        out += decoder->decode(bytes);
        return;
    }
    const qsizetype start = out.size();
    out.resize(start + bytes.size());
    QChar* to = out.data() + start;
    for (const char c : bytes)
        *to++ = QChar(windows1252Char(static_cast<unsigned char>(c)));
}

QStringDecoder* RtfTextDecoder::decoderFor(int codePage)
{
    if (codePage == windows1252 || !isKnown(codePage))
        return nullptr;
    auto found = decoders_.find(codePage);
    if (found == decoders_.end()) {
        const QByteArray name = "windows-" + QByteArray::number(codePage);
        QStringDecoder decoder(name.constData(), QStringConverter::Flag::Stateless);
        if (!decoder.isValid())
            decoder = QStringDecoder(("cp" + QByteArray::number(codePage)).constData(),
                                     QStringConverter::Flag::Stateless);
        found = decoders_.emplace(codePage, std::move(decoder)).first;
    }
    return found->second.isValid() ? &found->second : nullptr;
}

} // namespace vireo
