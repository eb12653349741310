#pragma once

namespace vireo {

// Windows-1252, the code page of RTF files written on western Windows systems.
inline constexpr int windows1252 = 1252;

// The character of a Windows-1252 byte. The five bytes the code page leaves unassigned stand
// for themselves, as Windows decodes them.
char16_t windows1252Char(unsigned char byte);
// The Windows-1252 byte of a character, or -1 when the code page has none (those five bytes
// included: they are control characters, not text).
int windows1252Byte(char16_t c);

// The code page of a font's \fcharset, or 0 when the charset stands for the document's own
// code page (ANSI and "default").
int codePageOfCharset(int charset);

} // namespace vireo
