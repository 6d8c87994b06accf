// Base64 and BinHex texts of binary values; readers skip every character outside the alphabet.
#include "document/storage/XmlValues.h"

namespace tessaly::document {

namespace {

constexpr char kBase64Alphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char kHexDigits[] = "0123456789ABCDEF";

int Base64Value(char c)
{
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

} // namespace

std::string EncodeBase64(QByteArrayView bytes)
{
    std::string text;
    text.reserve(static_cast<size_t>((bytes.size() + 2) / 3 * 4));
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; i += 3) {
        const unsigned b0 = data[i];
        const unsigned b1 = i + 1 < size ? data[i + 1] : 0;
        const unsigned b2 = i + 2 < size ? data[i + 2] : 0;
        const unsigned triple = b0 << 16 | b1 << 8 | b2;
        text += kBase64Alphabet[triple >> 18 & 63];
        text += kBase64Alphabet[triple >> 12 & 63];
        text += i + 1 < size ? kBase64Alphabet[triple >> 6 & 63] : '=';
        text += i + 2 < size ? kBase64Alphabet[triple & 63] : '=';
    }
    return text;
}

QByteArray DecodeBase64(std::string_view text)
{
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(text.size() / 4 * 3));
    unsigned accumulator = 0;
    int bits = 0;
    for (char c : text) {
        if (c == '=')
            break;
        const int value = Base64Value(c);
        if (value < 0)
            continue;
        accumulator = (accumulator << 6 | static_cast<unsigned>(value)) & 0xFFFFFF;
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes.append(static_cast<char>(accumulator >> bits & 0xFF));
        }
    }
    return bytes;
}

std::string EncodeBinHex(QByteArrayView bytes)
{
    std::string text;
    text.reserve(static_cast<size_t>(bytes.size() * 2));
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        text += kHexDigits[b >> 4];
        text += kHexDigits[b & 15];
    }
    return text;
}

QByteArray DecodeBinHex(std::string_view text)
{
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(text.size() / 2));
    int high = -1;
    for (char c : text) {
        const int value = HexValue(c);
        if (value < 0)
            continue;
        if (high < 0) {
            high = value;
        } else {
            bytes.append(static_cast<char>(high << 4 | value));
            high = -1;
        }
    }
    return bytes;
}

} // namespace tessaly::document
