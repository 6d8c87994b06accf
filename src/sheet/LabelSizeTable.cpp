// The predefined label stocks, exactly as the program has always offered them.
#include "sheet/LabelSizeTable.h"

#include "sheet/LengthText.h"

#include <algorithm>
#include <stdexcept>

namespace tessaly::sheet {
namespace {

constexpr std::size_t KeyPadding = 200;   // spaces that push the key out of sight

// Label W, label H, page W, page H, margin X, margin Y, gap X, gap Y; names of 5 and 6 come later.
const std::array<LabelSize, LabelSizeCount> Stocks = {{
    {"AVERY L7164/J8164", 63.5f, 72.0f, 210.0f, 297.0f, 7.0f, 4.5f, 0.0f, 0.0f},            // 1
    {"ZWECKFORM 3666", 38.0f, 21.19f, 210.0f, 297.0f, 9.0f, 10.7f, 0.0f, 0.0f},
    {"AVERY L7656/J8651", 46.0f, 11.1f, 210.0f, 297.0f, 0.6f, 1.59f, 0.21f, 0.47f},
    {"AVERY L7651/J8651", 38.1f, 21.15f, 210.0f, 297.0f, 5.0f, 11.0f, 0.0f, 0.0f},
    {"", 35.0f, 45.0f, 210.0f, 297.0f, 0.0f, 13.5f, 0.0f, 0.0f},                            // 5
    {"", 83.0f, 53.0f, 210.0f, 297.0f, 22.0f, 16.0f, 0.0f, 0.0f},
    {"APLI REF 03051", 36.8f, 23.8f, 210.0f, 297.0f, 8.0f, 10.2f, 2.5f, 1.6f},
    {"AVERY L7161/J8161", 63.5f, 46.6f, 210.0f, 297.0f, 7.0f, 8.5f, 2.75f, 0.0f},
    {"APLI REF 10626", 38.0f, 21.2f, 210.0f, 297.0f, 10.0f, 9.0f, 0.0f, 0.0f},
    {"ZWECKFORM 3474", 70.0f, 37.1f, 210.0f, 297.0f, 0.0f, 0.0f, 0.0f, 0.0f},               // 10
    {"AVERY 5263", 101.6f, 50.8f, 215.9f, 279.4f, 3.96f, 12.7f, 4.78f, 0.0f},
    {"AVERY 5262", 101.6f, 33.85f, 215.9f, 279.4f, 3.96f, 21.15f, 4.78f, 0.0f},
    {"AVERY 5261", 101.6f, 25.4f, 215.9f, 279.4f, 3.96f, 12.7f, 4.78f, 0.0f},
    {"AVERY 5260", 66.67f, 25.4f, 215.9f, 279.4f, 4.72f, 12.7f, 3.19f, 0.0f},
    {"AVERY 5164", 101.6f, 84.65f, 215.9f, 279.4f, 3.96f, 12.7f, 4.78f, 0.0f},              // 15
    {"AVERY 5163", 101.6f, 50.8f, 215.9f, 279.4f, 3.96f, 12.7f, 4.78f, 0.0f},
    {"AVERY 5162", 101.6f, 33.85f, 215.9f, 279.4f, 3.96f, 21.15f, 4.78f, 0.0f},
    {"AVERY 5161", 101.6f, 25.4f, 215.9f, 279.4f, 3.96f, 12.7f, 4.78f, 0.0f},
    {"AVERY 5160", 66.67f, 25.4f, 215.9f, 279.4f, 4.72f, 12.7f, 3.19f, 0.0f},
    {"AVERY 5095", 85.72f, 59.25f, 215.9f, 279.4f, 17.42f, 14.72f, 9.54f, 4.27f},           // 20
    {"AVERY 5371", 88.9f, 50.8f, 215.9f, 279.4f, 19.04f, 12.7f, 0.0f, 0.0f},
    {"DATAMAX 301054", 114.3f, 114.3f, 117.47f, 114.3f, 1.57f, 0.0f, 0.0f, 0.0f},
    {"DATAMAX 301071", 114.3f, 152.4f, 117.47f, 152.4f, 1.57f, 0.0f, 0.0f, 0.0f},
    {"DATAMAX 301093", 114.3f, 76.2f, 117.47f, 76.2f, 1.57f, 0.0f, 0.0f, 0.0f},
    {"DATAMAX 301912", 101.6f, 101.6f, 104.77f, 101.6f, 1.57f, 0.0f, 0.0f, 0.0f},           // 25
    {"DATAMAX 301918", 76.2f, 127.0f, 79.37f, 127.0f, 1.57f, 0.0f, 0.0f, 0.0f},
    {"DATAMAX 301920", 101.6f, 63.5f, 104.77f, 63.5f, 1.57f, 0.0f, 0.0f, 0.0f},
    {"A4", 210.0f, 297.0f, 210.0f, 297.0f, 0.0f, 0.0f, 0.0f, 0.0f},
    {"A5", 148.0f, 210.0f, 148.0f, 210.0f, 0.0f, 0.0f, 0.0f, 0.0f},
    {"A6", 105.0f, 148.0f, 105.0f, 148.0f, 0.0f, 0.0f, 0.0f, 0.0f},                        // 30
    {"AVERY L7163/L7563", 99.1f, 38.1f, 210.0f, 297.0f, 5.9f, 15.15f, 0.0f, 0.0f},
    {"AVERY L7162", 99.1f, 33.9f, 210.0f, 297.0f, 5.9f, 12.9f, 0.0f, 0.0f},
    {"AVERY L7165", 99.1f, 67.7f, 210.0f, 297.0f, 5.9f, 13.1f, 0.0f, 0.0f},
    {"LASERLAB 1938", 38.0f, 19.0f, 210.0f, 297.0f, 5.6f, 7.0f, 2.0f, 3.0f},
    {"LASERLAB 2551", 51.0f, 25.0f, 210.0f, 297.0f, 13.0f, 10.0f, 17.5f, 3.0f},             // 35
    {"LASERLAB 2564", 64.0f, 25.0f, 210.0f, 297.0f, 7.0f, 10.0f, 2.0f, 3.0f},
}};

std::string ItemText(const std::string& name, int entry)
{
    return name + std::string(KeyPadding, ' ') + std::to_string(entry);
}

char FoldCase(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(FoldCase(x)) < static_cast<unsigned char>(FoldCase(y));
    });
}

} // namespace

LabelSizeTable::LabelSizeTable(std::string text198, std::string text197)
    : entries_(Stocks)
{
    entries_[4].name = std::move(text198);
    entries_[5].name = std::move(text197);
}

const LabelSize& LabelSizeTable::Entry(int n) const
{
    if (n < 1 || n > LabelSizeCount)
        throw std::out_of_range("label size entry out of range");
    return entries_[static_cast<std::size_t>(n - 1)];
}

std::vector<std::string> BuildSizeListItems(const LabelSizeTable& table)
{
    std::vector<std::string> named;
    for (int n = 1; n <= LabelSizeCount; ++n)
        named.push_back(ItemText(table.Entry(n).name, n));
    std::stable_sort(named.begin(), named.end(), LessIgnoringCase);
    std::vector<std::string> items{ItemText("", 0)};
    items.insert(items.end(), named.begin(), named.end());
    return items;
}

std::optional<int> SizeListItemEntry(std::string_view itemText)
{
    if (itemText.size() > 5)
        itemText.remove_prefix(itemText.size() - 5);
    return ParseInteger(itemText);
}

std::optional<int> SizeListPosition(const std::vector<std::string>& items, int entry)
{
    for (std::size_t i = 0; i < items.size(); ++i)
        if (SizeListItemEntry(items[i]) == entry)
            return static_cast<int>(i);
    return std::nullopt;
}

} // namespace tessaly::sheet
