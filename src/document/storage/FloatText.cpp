// The float format of stored values: six significant digits, no leading zero, short scientific.
// Built in a character buffer: saving a page formats many thousands of these.
#include "document/storage/XmlValues.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace tessaly::document {

namespace {

// Decimal digits (trailing zeros removed) and the exponent of the first digit, for a finite
// non-zero magnitude rounded to `significantDigits` digits, half to even on exact ties.
struct Decimal {
    char digits[12];
    int count = 0;
    int exponent = 0;
};

Decimal RoundedDecimal(double magnitude, int significantDigits)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, significantDigits - 1);
    const char* end = result.ptr;
    Decimal decimal;
    const char* at = buffer;
    for (; at < end && *at != 'e'; ++at)
        if (*at != '.')
            decimal.digits[decimal.count++] = *at;
    while (decimal.count > 1 && decimal.digits[decimal.count - 1] == '0')
        --decimal.count;
    ++at;   // past 'e'
    if (at < end && *at == '+')
        ++at;
    std::from_chars(at, end, decimal.exponent);
    return decimal;
}

char* Zeros(char* out, int count)
{
    std::memset(out, '0', static_cast<size_t>(count));
    return out + count;
}

char* Copy(char* out, const char* from, int count)
{
    std::memcpy(out, from, static_cast<size_t>(count));
    return out + count;
}

char* Positional(char* out, const Decimal& decimal)
{
    const int pointPosition = decimal.exponent + 1;   // digits before the point
    if (pointPosition <= 0) {
        *out++ = '.';
        out = Zeros(out, -pointPosition);
        return Copy(out, decimal.digits, decimal.count);
    }
    if (pointPosition >= decimal.count)
        return Zeros(Copy(out, decimal.digits, decimal.count), pointPosition - decimal.count);
    out = Copy(out, decimal.digits, pointPosition);
    *out++ = '.';
    return Copy(out, decimal.digits + pointPosition, decimal.count - pointPosition);
}

char* Scientific(char* out, const Decimal& decimal)
{
    *out++ = decimal.digits[0];
    if (decimal.count > 1) {
        *out++ = '.';
        out = Copy(out, decimal.digits + 1, decimal.count - 1);
    }
    *out++ = 'E';
    return std::to_chars(out, out + 8, decimal.exponent).ptr;
}

} // namespace

size_t FormatFloatTo(char* out, double value, int significantDigits)
{
    if (significantDigits < 1 || significantDigits > 9)
        throw StorageError("Significant digits out of range");
    if (value == 0 || !std::isfinite(value)) {
        *out = '0';
        return 1;
    }
    const Decimal decimal = RoundedDecimal(std::fabs(value), significantDigits);
    const int pointPosition = decimal.exponent + 1;
    const bool scientific = pointPosition < -1 || pointPosition > significantDigits + 2;
    char* at = out;
    if (value < 0)
        *at++ = '-';
    at = scientific ? Scientific(at, decimal) : Positional(at, decimal);
    return static_cast<size_t>(at - out);
}

std::string FormatFloat(double value, int significantDigits)
{
    char text[kFloatTextSize];
    return std::string(text, FormatFloatTo(text, value, significantDigits));
}

std::optional<double> ParseFloat(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.size() > 64)
        return std::nullopt;
    char buffer[64];
    std::replace_copy(text.begin(), text.end(), buffer, ',', '.');
    double value = 0;
    const auto result = std::from_chars(buffer, buffer + text.size(), value,
                                        std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != buffer + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace tessaly::document
