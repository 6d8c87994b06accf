// The built-in table of interface texts 1 to 269 in French and English.
#pragma once

#include <array>
#include <string_view>

namespace tessaly::lang {

// Values of the parameter record's `language` field that select a built-in column.
inline constexpr int kFrench = 1;
inline constexpr int kEnglish = 2;

inline constexpr int kBuiltInTextCount = 269;

// Texts are UTF-8; the application converts them with QString::fromUtf8. Reserved and unused
// numbers hold empty texts in both columns.
struct BuiltInText {
    std::string_view french;
    std::string_view english;
};

// Entry n - 1 holds text number n.
const std::array<BuiltInText, kBuiltInTextCount>& BuiltInTexts();

// Text number n of the built-in column `language` (kFrench or kEnglish); empty for any other
// language and for numbers outside 1..269.
std::string_view UITextTable(int n, int language);

} // namespace tessaly::lang
