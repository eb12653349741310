#pragma once

#include <QByteArrayView>
#include <QString>

namespace vireo {

// Tags of audio files hold single bytes of the Windows western code page: one byte, one
// character, NUL bytes included.
QString decodeWindows1252(QByteArrayView bytes);

} // namespace vireo
