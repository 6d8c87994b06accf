// Conversions between the Windows single-byte ("ANSI") code pages and UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace tessaly::lang {

// The code pages known here: 874, 1250 to 1258. Any other number is read as 1252.
bool IsKnownCodePage(int codePage);

// The code page of a font character set number (238 Central European -> 1250, 204 Cyrillic ->
// 1251, 161 Greek -> 1253, 162 Turkish -> 1254, 177 Hebrew -> 1255, 178 Arabic -> 1256,
// 186 Baltic -> 1257, 163 Vietnamese -> 1258, 222 Thai -> 874); 1252 for all others.
int CodePageOfCharset(int charset);

// Every byte maps to one character (see CodePageTables.h for undefined bytes).
std::string SingleByteToUtf8(std::string_view bytes, int codePage);
// Characters the code page cannot hold, and malformed UTF-8, become `replacement`.
std::string Utf8ToSingleByte(std::string_view utf8, int codePage, char replacement = '?');

inline std::string Windows1252ToUtf8(std::string_view bytes) { return SingleByteToUtf8(bytes, 1252); }
inline std::string Utf8ToWindows1252(std::string_view utf8, char replacement = '?')
{
    return Utf8ToSingleByte(utf8, 1252, replacement);
}

// True when `bytes` is well-formed UTF-8 (no overlong forms, no surrogates, at most U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// Replaces each malformed UTF-8 sequence by U+FFFD.
std::string SanitizeUtf8(std::string_view bytes);

} // namespace tessaly::lang
