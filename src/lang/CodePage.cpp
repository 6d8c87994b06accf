// Windows single-byte code pages <-> UTF-8, and UTF-8 validation.
#include "lang/CodePage.h"

#include "lang/CodePageTables.h"

#include <cstdint>

namespace tessaly::lang {
namespace {

using namespace detail;

const CodePageTable& tableOf(int codePage)
{
    switch (codePage) {
    case 874: return kCp874;
    case 1250: return kCp1250;
    case 1251: return kCp1251;
    case 1253: return kCp1253;
    case 1254: return kCp1254;
    case 1255: return kCp1255;
    case 1256: return kCp1256;
    case 1257: return kCp1257;
    case 1258: return kCp1258;
    default: return kCp1252;
    }
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `pos`; returns its length, or 0 when it is malformed.
std::size_t decodeUtf8(std::string_view s, std::size_t pos, char32_t& c)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
    const std::uint8_t b0 = byte(pos);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (b0 < 0x80) {
        c = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        length = 2, minimum = 0x80, c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3, minimum = 0x800, c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4, minimum = 0x10000, c = b0 & 0x07;
    } else {
        return 0;
    }
    if (pos + length > s.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (byte(pos + i) & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

bool IsKnownCodePage(int codePage) { return codePage == 874 || (codePage >= 1250 && codePage <= 1258); }

int CodePageOfCharset(int charset)
{
    switch (charset) {
    case 238: return 1250;
    case 204: return 1251;
    case 161: return 1253;
    case 162: return 1254;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 163: return 1258;
    case 222: return 874;
    default: return 1252;
    }
}

std::string SingleByteToUtf8(std::string_view bytes, int codePage)
{
    const CodePageTable& table = tableOf(codePage);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        const auto b = static_cast<std::uint8_t>(ch);
        if (b < 0x80)
            out += ch;
        else
            appendUtf8(out, table[b - 0x80]);
    }
    return out;
}

std::string Utf8ToSingleByte(std::string_view utf8, int codePage, char replacement)
{
    const CodePageTable& table = tableOf(codePage);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t c = 0;
        const std::size_t length = decodeUtf8(utf8, pos, c);
        pos += length ? length : 1;
        char mapped = replacement;
        if (length && c < 0x80) {
            mapped = static_cast<char>(c);
        } else if (length && c != 0xFFFD) {
            for (std::size_t i = 0; i < table.size(); ++i) {
                if (table[i] == c)
                    mapped = static_cast<char>(0x80 + i);
            }
        }
        out += mapped;
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes)
{
    for (std::size_t pos = 0; pos < bytes.size();) {
        char32_t c = 0;
        const std::size_t length = decodeUtf8(bytes, pos, c);
        if (!length)
            return false;
        pos += length;
    }
    return true;
}

std::string SanitizeUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        char32_t c = 0;
        const std::size_t length = decodeUtf8(bytes, pos, c);
        if (length) {
            out.append(bytes.substr(pos, length));
            pos += length;
        } else {
            appendUtf8(out, 0xFFFD);
            ++pos;
        }
    }
    return out;
}

} // namespace tessaly::lang
