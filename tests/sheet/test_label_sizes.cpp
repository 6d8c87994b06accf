// The predefined label stocks, the sorted size list and selecting an item of it.
#include "sheet/LabelSizeTable.h"
#include "sheet/SheetLayout.h"

#include <gtest/gtest.h>

using namespace tessaly::sheet;

namespace {

LabelSizeTable FrenchTable()
{
    return LabelSizeTable("Photo identitée", "Carte de visite");
}

} // namespace

TEST(LabelSizeTable, HoldsTheLengthsAsFloats)
{
    const auto table = FrenchTable();
    EXPECT_EQ(table.Entry(2).labelHeight, 21.19f);
    EXPECT_EQ(table.Entry(5).name, "Photo identitée");
    EXPECT_EQ(table.Entry(6).name, "Carte de visite");
    EXPECT_EQ(table.Entry(36).gapY, 3.0f);
    EXPECT_THROW(table.Entry(0), std::out_of_range);
    EXPECT_THROW(table.Entry(37), std::out_of_range);
}

TEST(SizeList, BlankItemFirstThenNamesIgnoringCase)
{
    // Expected list position of entries 1..36.
    const int positions[LabelSizeCount] = {20, 36, 23, 22, 34, 24, 4, 17, 5, 35, 15, 14, 13, 12, 11, 10, 9, 8,
                                           7, 6, 16, 25, 26, 27, 28, 29, 30, 1, 2, 3, 19, 18, 21, 31, 32, 33};
    const auto items = BuildSizeListItems(FrenchTable());
    ASSERT_EQ(items.size(), 37u);
    EXPECT_EQ(items[0], std::string(200, ' ') + "0");
    EXPECT_EQ(SizeListItemEntry(items[0]), 0);
    for (int n = 1; n <= LabelSizeCount; ++n)
        EXPECT_EQ(SizeListPosition(items, n), positions[n - 1]) << "entry " << n;

    // Lower-case names sort among the others, and empty names after the blank item.
    const auto mixed = BuildSizeListItems(LabelSizeTable("", "carte de visite"));
    EXPECT_EQ(SizeListPosition(mixed, 0), 0);
    EXPECT_EQ(SizeListPosition(mixed, 5), 1);
    EXPECT_EQ(SizeListPosition(mixed, 6), 25);   // one place later: the empty name went first
}

TEST(SelectPredefinedSize, ShowsTheEntryInTheCurrentUnit)
{
    const auto table = FrenchTable();
    const LengthTexts mm{"63.50", "72.00", "210.00", "297.00", "7.00", "4.50", "0.00", "0.00"};
    const LengthTexts inch{"2.50", "2.83", "8.27", "11.69", "0.28", "0.18", "0.00", "0.00"};
    EXPECT_EQ(PredefinedSizeTexts(table, 1, Unit::Millimetre, '.'), mm);
    EXPECT_EQ(PredefinedSizeTexts(table, 1, Unit::Inch, '.'), inch);
    const LengthTexts a4Comma{"210,00", "297,00", "210,00", "297,00", "0,00", "0,00", "0,00", "0,00"};
    EXPECT_EQ(PredefinedSizeTexts(table, 0, Unit::Millimetre, ','), a4Comma);
    EXPECT_EQ(PredefinedSizeTexts(table, 0, Unit::Inch, '.')[1], "11.69");
    EXPECT_EQ(PredefinedSizeTexts(table, 3, Unit::Millimetre, '.')[7], "0.47");
}

TEST(ChangeUnit, ConvertsAllEightFields)
{
    const LengthTexts mm{"63.50", "72.00", "210.00", "297.00", "7.00", "4.50", "0.21", "25.40"};
    const auto inch = ConvertLengthTexts(mm, Unit::Millimetre, Unit::Inch, '.');
    const LengthTexts expected{"2.50", "2.83", "8.27", "11.69", "0.28", "0.18", "0.01", "1.00"};
    EXPECT_EQ(inch, expected);
    const auto back = ConvertLengthTexts(inch, Unit::Inch, Unit::Millimetre, '.');
    EXPECT_EQ(back[1], "71.88");
    EXPECT_EQ(back[7], "25.40");
}
