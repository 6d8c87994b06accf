// Display format of lengths: decimal digits rounded by hand so ties go away from zero,
// independent of the C library's locale.
#include "sheet/LengthText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tessaly::sheet {
namespace {

constexpr int SignificantDigits = 8;
constexpr int Decimals = 2;

// A non-negative finite value as decimal digits d1 d2 d3 ... with value = 0.d1d2d3... x 10^intDigits.
struct DecimalDigits {
    std::string digits;
    int intDigits = 0;
};

DecimalDigits ToDigits(double magnitude)
{
    // 18 significant digits, then rounded once more to what is shown.
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 17);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const auto ePos = text.find('e');
    DecimalDigits out;
    for (char c : text.substr(0, ePos))
        if (c != '.')
            out.digits.push_back(c);
    int exponent = 0;
    auto expText = text.substr(ePos + 1);
    if (!expText.empty() && expText.front() == '+')
        expText.remove_prefix(1);
    std::from_chars(expText.data(), expText.data() + expText.size(), exponent);
    out.intDigits = exponent + 1;
    return out;
}

// Keeps `kept` leading digits, rounding half away from zero; may add a leading 1.
void RoundTo(DecimalDigits& d, int kept)
{
    if (kept < 0) {
        d.digits.clear();
        return;
    }
    if (kept >= static_cast<int>(d.digits.size()))
        return;
    const bool up = d.digits[static_cast<std::size_t>(kept)] >= '5';
    d.digits.resize(static_cast<std::size_t>(kept));
    if (!up)
        return;
    int i = kept - 1;
    for (; i >= 0; --i) {
        auto& c = d.digits[static_cast<std::size_t>(i)];
        if (c == '9') {
            c = '0';
        } else {
            ++c;
            break;
        }
    }
    if (i < 0) {
        d.digits.insert(d.digits.begin(), '1');
        ++d.intDigits;
    }
}

bool AllZero(const std::string& digits)
{
    return digits.find_first_not_of('0') == std::string::npos;
}

std::string Scientific(DecimalDigits d, bool negative, char separator)
{
    RoundTo(d, SignificantDigits);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    std::string out = negative ? "-" : "";
    out += d.digits.front();
    if (d.digits.size() > 1) {
        out += separator;
        out += d.digits.substr(1);
    }
    const int exponent = d.intDigits - 1;
    out += exponent < 0 ? "E-" : "E+";
    const std::string expText = std::to_string(std::abs(exponent));
    if (expText.size() < 2)
        out += '0';
    return out + expText;
}

std::string Fixed(DecimalDigits d, bool negative, char separator)
{
    RoundTo(d, std::min(SignificantDigits, d.intDigits + Decimals));
    if (AllZero(d.digits))
        negative = false;
    // Digit at position p (0 = first integer digit when intDigits > 0) or '0' beyond the kept ones.
    auto digitAt = [&](int index) {
        return index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(index)] : '0';
    };
    std::string out = negative ? "-" : "";
    if (d.intDigits <= 0)
        out += '0';
    for (int i = 0; i < d.intDigits; ++i)
        out += digitAt(i);
    out += separator;
    for (int i = 0; i < Decimals; ++i)
        out += digitAt(d.intDigits + i);
    return out;
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

double UnitFactor(Unit unit)
{
    return unit == Unit::Inch ? MillimetresPerInch : 1.0;
}

float ToFloat32(double value)
{
    // Half a unit in the last place above the largest float: from here on IEEE rounding gives infinity.
    constexpr double Overflow = 0x1.ffffffp127;
    if (value >= Overflow)
        return std::numeric_limits<float>::infinity();
    if (value <= -Overflow)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

std::string FormatLength(double value, char decimalSeparator)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return std::string("0") + decimalSeparator + "00";
    const bool negative = value < 0;
    DecimalDigits digits = ToDigits(std::fabs(value));
    if (digits.intDigits > SignificantDigits)
        return Scientific(std::move(digits), negative, decimalSeparator);
    return Fixed(std::move(digits), negative, decimalSeparator);
}

std::optional<double> ParseLength(std::string_view text, char decimalSeparator)
{
    text = TrimBlanks(text);
    std::string plain;   // the same number with '.' as separator, for from_chars
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            plain += '-';
        ++i;
    }
    int mantissaDigits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++mantissaDigits)
        plain += text[i];
    if (i < text.size() && text[i] == decimalSeparator) {
        plain += '.';
        for (++i; i < text.size() && IsDigit(text[i]); ++i, ++mantissaDigits)
            plain += text[i];
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            plain += text[i++];
        int exponentDigits = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i, ++exponentDigits)
            plain += text[i];
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec != std::errc() || result.ptr != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

std::string NormaliseLengthText(std::string_view text, char decimalSeparator)
{
    const auto value = ParseLength(text, decimalSeparator);
    return FormatLength(value ? static_cast<double>(ToFloat32(*value)) : 0.0, decimalSeparator);
}

std::string ConvertLengthText(std::string_view text, Unit from, Unit to, char decimalSeparator)
{
    const double value = ParseLength(text, decimalSeparator).value_or(0.0);
    if (from == to)
        return FormatLength(value, decimalSeparator);
    const double converted = to == Unit::Inch ? value / MillimetresPerInch : value * MillimetresPerInch;
    return FormatLength(converted, decimalSeparator);
}

std::optional<int> ParseInteger(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return std::nullopt;
    }
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string NormaliseIntegerText(std::string_view text)
{
    return std::to_string(ParseInteger(text).value_or(0));
}

} // namespace tessaly::sheet
