// Check keys of retail and logistics numbers (EAN-13, EAN-8, UPC-A, EAN-14, SSCC, ISBN) and
// the completion of a barcode value with the key of its key type.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessaly::barcode {

// Each returns the digits with their key appended, or "" when the length is not the one
// required. A character that is not a digit counts as 0 and is kept as typed.
std::string Ean13Key(std::string_view digits); // 12 digits
std::string Ean8Key(std::string_view digits);  // 7 digits
std::string UpcAKey(std::string_view digits);  // 11 digits
std::string Ean14Key(std::string_view digits); // 13 digits
std::string SsccKey(std::string_view digits);  // 17 digits
std::string Modulo10Key(std::string_view digits); // any length, weights 3, 1 ... from the right
std::string IsbnKey(std::string_view digits);  // 9 digits; the key 10 is written "X"

// The key types a barcode value may be completed with.
inline constexpr std::string_view kKeyTypes[] = {"", "EAN13", "EAN8", "UPCA", "EAN14", "SSCC"};

// The value completed with the key of `keyType` ("EAN13", "EAN8", "UPCA", "EAN14", "SSCC"):
// padded with "0" on the left or cut to the length the key needs (EAN-14 and SSCC keep their
// first two characters as the application identifier); any other key type gives "".
std::string CompleteWithKey(std::string_view value, std::string_view keyType);

// Key types offered for a symbology, by its type list item ("CodeEAN13" ...): always the
// empty entry first.
std::vector<std::string> KeyTypesForSymbology(std::string_view listItem);

// Key type chosen when the user picks a symbology: "EAN13", "EAN8", "UPCA" or "".
std::string DefaultKeyType(std::string_view listItem);

} // namespace tessaly::barcode
