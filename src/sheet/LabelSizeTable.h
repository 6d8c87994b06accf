// The 36 predefined label stocks and the sorted size list that offers them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::sheet {

// One stock; lengths in millimetres as 32-bit floats (so 21.19 is the nearest float to 21.19).
struct LabelSize {
    std::string name;   // at most 40 characters
    float labelWidth = 0;
    float labelHeight = 0;
    float pageWidth = 0;
    float pageHeight = 0;
    float outerMarginX = 0;
    float outerMarginY = 0;
    float gapX = 0;
    float gapY = 0;
};

inline constexpr int LabelSizeCount = 36;

// Entries 1..36 at index 0..35. Entries 5 and 6 are named by interface texts 198
// ("Photo identitée") and 197 ("Carte de visite") in the language active at start-up.
class LabelSizeTable {
public:
    LabelSizeTable(std::string text198, std::string text197);

    const LabelSize& Entry(int n) const;     // n = 1..36; throws std::out_of_range otherwise
    const std::array<LabelSize, LabelSizeCount>& Entries() const { return entries_; }

private:
    std::array<LabelSize, LabelSizeCount> entries_;
};

// The items of the size list `Comblistetailleetiquette`, sorted: the blank item
// (200 spaces and "0") first, then "<name><200 spaces><n>" by text, case ignored.
std::vector<std::string> BuildSizeListItems(const LabelSizeTable& table);

// The key of an item: its last 5 characters as an integer (leading spaces allowed);
// 0 for the blank item, no value for text that does not end in a number.
std::optional<int> SizeListItemEntry(std::string_view itemText);

// Position of entry n (0 = the blank item) in the sorted list; no value when absent.
std::optional<int> SizeListPosition(const std::vector<std::string>& items, int entry);

} // namespace tessaly::sheet
