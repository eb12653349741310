#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <map>

namespace vireo {

// Turns the bytes of RTF text into characters by a Windows code page. Windows-1252 is decoded
// here; the other common Windows, OEM and Mac code pages through Qt's converters. A code page
// that is not among them, or that Qt cannot decode, is read as Windows-1252.
class RtfTextDecoder {
public:
    // The code page that `decode` will use for `codePage`.
    int effectiveCodePage(int codePage);
    // Appends the characters of `bytes` to `out`. Multi-byte code pages need a character's
    // bytes together in one call.
    void decode(QByteArrayView bytes, int codePage, QString& out);

private:
    QStringDecoder* decoderFor(int codePage);

    std::map<int, QStringDecoder> decoders_; // only those that Qt can decode
};

} // namespace vireo
