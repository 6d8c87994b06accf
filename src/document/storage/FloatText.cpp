// The float format of stored values: six significant digits, no leading zero, short scientific.
#include "document/storage/XmlValues.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tessaly::document {

namespace {

// Decimal digits (trailing zeros removed) and the exponent of the first digit, for a finite
// non-zero magnitude rounded to `significantDigits` digits, half to even on exact ties.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal RoundedDecimal(double magnitude, int significantDigits)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, significantDigits - 1);
    const std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));
    const size_t e = text.find('e');
    Decimal decimal;
    for (char c : text.substr(0, e))
        if (c != '.')
            decimal.digits += c;
    while (decimal.digits.size() > 1 && decimal.digits.back() == '0')
        decimal.digits.pop_back();
    std::string_view exponent = text.substr(e + 1);
    if (!exponent.empty() && exponent.front() == '+')
        exponent.remove_prefix(1);
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), decimal.exponent);
    return decimal;
}

std::string Positional(const Decimal& decimal)
{
    const int pointPosition = decimal.exponent + 1;   // digits before the point
    const int count = static_cast<int>(decimal.digits.size());
    if (pointPosition <= 0)
        return "." + std::string(static_cast<size_t>(-pointPosition), '0') + decimal.digits;
    if (pointPosition >= count)
        return decimal.digits + std::string(static_cast<size_t>(pointPosition - count), '0');
    return decimal.digits.substr(0, static_cast<size_t>(pointPosition)) + "." +
           decimal.digits.substr(static_cast<size_t>(pointPosition));
}

std::string Scientific(const Decimal& decimal)
{
    std::string text = decimal.digits.substr(0, 1);
    if (decimal.digits.size() > 1)
        text += "." + decimal.digits.substr(1);
    return text + "E" + std::to_string(decimal.exponent);
}

} // namespace

std::string FormatFloat(double value, int significantDigits)
{
    if (significantDigits < 1 || significantDigits > 9)
        throw StorageError("Significant digits out of range");
    if (value == 0 || !std::isfinite(value))
        return "0";
    const Decimal decimal = RoundedDecimal(std::fabs(value), significantDigits);
    const int pointPosition = decimal.exponent + 1;
    const bool scientific = pointPosition < -1 || pointPosition > significantDigits + 2;
    return (value < 0 ? "-" : "") + (scientific ? Scientific(decimal) : Positional(decimal));
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
