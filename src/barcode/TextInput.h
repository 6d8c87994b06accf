// Checks and small rewrites of barcode texts shared by every symbology: trimming,
// digit tests, zero padding and the modulo-10 check digit.
#pragma once

#include <string>
#include <string_view>

namespace tessaly::barcode {

constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The value of a digit character; any other character counts as 0.
constexpr int digitValue(char c) { return isDigit(c) ? c - '0' : 0; }

// The text without leading and trailing blanks and control characters (codes up to 32).
std::string_view trimBlanks(std::string_view text);

// True when every character is a digit, or the function-1 byte where `allowFnc1` is set.
bool isDigitText(std::string_view text, bool allowFnc1);

// Prefixes "0" until the text has `length` characters; a longer text stays as it is.
std::string zeroPad(std::string_view text, std::size_t length);

// Sum of the digits weighted 3, 1, 3 ... from the rightmost character, non-digits counting 0.
int weightedSumFromRight(std::string_view digits);

// Check digit of the modulo-10 method: weights 3, 1, 3 ... from the rightmost character,
// non-digits counting 0; the digit brings the sum up to a multiple of 10.
char modulo10CheckDigit(std::string_view digits);

} // namespace tessaly::barcode
