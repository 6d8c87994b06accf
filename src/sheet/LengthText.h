// Lengths and integers as the sheet fields show them: millimetres or inches, 2 decimals.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessaly::sheet {

enum class Unit { Millimetre, Inch };

inline constexpr double MillimetresPerInch = 25.4;

// Displayed value x factor = millimetres: 1 for millimetres, 25.4 for inches.
double UnitFactor(Unit unit);

// Rounds to the nearest 32-bit float; beyond the float range gives an infinity (spelled out,
// since converting an out-of-range double is undefined in C++).
float ToFloat32(double value);

// Fixed-point with exactly 2 decimals and at most 8 significant digits (rounded half away
// from zero); values with more than 8 integer digits fall back to "1.2345679E+08".
// Not-a-number gives "NAN", infinities "INF" / "-INF".
std::string FormatLength(double value, char decimalSeparator);

// Parses "[blanks][sign]digits[sep digits][e[sign]digits][blanks]"; the decimal separator
// is the given one only. Empty, malformed or out-of-range text gives no value.
std::optional<double> ParseLength(std::string_view text, char decimalSeparator);

// Leaving a length field: parse, round to a 32-bit float, show with 2 decimals;
// text that does not parse becomes "0.00".
std::string NormaliseLengthText(std::string_view text, char decimalSeparator);

// Changing the unit of one displayed length: parse (0 when it does not parse), convert,
// show with 2 decimals. Works on the displayed value, so 72.00 mm -> 2.83 in -> 71.88 mm.
std::string ConvertLengthText(std::string_view text, Unit from, Unit to, char decimalSeparator);

// "[blanks][sign]digits" in the 32-bit range; anything else gives no value.
std::optional<int> ParseInteger(std::string_view text);

// Leaving an integer field: shown again in decimal; text that does not parse becomes "0".
std::string NormaliseIntegerText(std::string_view text);

} // namespace tessaly::sheet
