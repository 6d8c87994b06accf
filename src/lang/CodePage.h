// Conversions between the Windows-1252 ("ANSI") single-byte code page and UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace tessaly::lang {

// Every byte maps to one character; the five bytes the code page leaves undefined
// (81, 8D, 8F, 90, 9D) map to the control characters of the same number, as Windows does.
std::string Windows1252ToUtf8(std::string_view bytes);

// Characters the code page cannot hold, and malformed UTF-8, become `replacement`.
std::string Utf8ToWindows1252(std::string_view utf8, char replacement = '?');

// True when `bytes` is well-formed UTF-8 (no overlong forms, no surrogates, at most U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// Replaces each malformed UTF-8 sequence by U+FFFD.
std::string SanitizeUtf8(std::string_view bytes);

} // namespace tessaly::lang
