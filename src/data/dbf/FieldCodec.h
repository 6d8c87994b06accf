// Reading and writing one field value in its slot of a dBase record (blank-padded, Windows-1252).
#pragma once

#include "data/dbf/DbfHeader.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly::data {

// Text of a slot as UTF-8 without its trailing blanks (leading blanks are part of the value).
std::string DecodeText(std::string_view raw);
// The bytes of a slot without trailing blanks, still in Windows-1252.
std::string_view TrimTrailingBlanks(std::string_view raw);
// A numeric slot as an integer; nothing when blank or not a whole number.
std::optional<std::int64_t> DecodeInteger(std::string_view raw);
// A numeric slot as a number; nothing when blank or not a number.
std::optional<double> DecodeNumber(std::string_view raw);

// Writes the UTF-8 value into the field's slot (dest points at the slot, field.width bytes).
// Text is converted to Windows-1252 and cut to the width; a number is right-aligned. An empty
// value leaves the slot blank. Throws DbfValueError when a number does not fit its field or is
// not a number.
void EncodeField(const DbfField& field, std::string_view value, char* dest);

} // namespace tessaly::data
