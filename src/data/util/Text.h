// Small helpers shared by the data module: blanks, whole numbers and folder paths.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly::data {

// Without leading and trailing blanks (spaces and tabs).
std::string_view TrimBlanksAndTabs(std::string_view text);
// The whole number a text holds (blanks around it and a leading '+' allowed); nothing otherwise.
std::optional<std::int64_t> ParseWholeNumber(std::string_view text);
// The folder with a trailing separator.
std::string WithSeparator(std::string folder);
bool FileExists(const std::string& path);

} // namespace tessaly::data
