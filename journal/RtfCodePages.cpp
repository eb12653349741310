#include "journal/RtfCodePages.h"

namespace vireo {

namespace {

// Windows-1252 differs from Latin-1 in 0x80-0x9F only.
constexpr char16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                               0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isUnassigned(unsigned char byte)
{
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

} // namespace

char16_t windows1252Char(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : char16_t(byte);
}

int windows1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        if (high[i] == c && !isUnassigned(static_cast<unsigned char>(0x80 + i)))
            return 0x80 + i;
    }
    return -1;
}

int codePageOfCharset(int charset)
{
    switch (charset) {
    case 2: // symbol fonts: their bytes are read as western text
        return windows1252;
    case 77:
        return 10000;
    case 78:
        return 10001;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return 0;
    }
}

} // namespace vireo
