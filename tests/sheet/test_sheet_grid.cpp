// Columns, rows, cells, the label page size and the start-label check.
#include "sheet/SheetGrid.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tessaly::sheet;

namespace {

SheetLayout FromTexts(const LengthTexts& texts, bool vertical, Unit unit)
{
    return ReadSheetLayout(texts, vertical, unit, '.');
}

const LengthTexts L7164{"63.50", "72.00", "210.00", "297.00", "7.00", "4.50", "0.00", "0.00"};
const LengthTexts Avery5160Inch{"2.62", "1.00", "8.50", "11.00", "0.19", "0.50", "0.13", "0.00"};
const LengthTexts Avery5160Mm{"66.67", "25.40", "215.90", "279.40", "4.72", "12.70", "3.19", "0.00"};
const LengthTexts WiderThanPage{"250.00", "50.00", "210.00", "297.00", "0.00", "0.00", "0.00", "0.00"};
const LengthTexts ZeroLabel{"0.00", "0.00", "210.00", "297.00", "0.00", "0.00", "0.00", "0.00"};
const LengthTexts Unparsable{"x", "y", "210.00", "297.00", "0.00", "0.00", "0.00", "0.00"};
const LengthTexts TinyLabel{"0.0001", "0.0001", "210.00", "297.00", "0.00", "0.00", "0.00", "0.00"};
const LengthTexts MarginBeyondPage{"10.00", "10.00", "210.00", "297.00", "500.00", "500.00", "0.00", "0.00"};

} // namespace

TEST(SheetGrid, ColumnsRowsAndLabelsPerPage)
{
    struct Case {
        const char* name;
        LengthTexts texts;
        bool vertical;
        Unit unit;
        int columns, rows;
    };
    const Case cases[] = {
        {"L7164", L7164, false, Unit::Millimetre, 3, 4},
        {"L7164 vertical", L7164, true, Unit::Millimetre, 2, 4},
        {"5160 inches", Avery5160Inch, false, Unit::Inch, 3, 10},
        {"5160 millimetres", Avery5160Mm, false, Unit::Millimetre, 3, 10},
        {"label wider than page", WiderThanPage, false, Unit::Millimetre, 1, 5},
        {"zero divisor", ZeroLabel, false, Unit::Millimetre, 1, 1},
        {"unparsable label counts as 0", Unparsable, false, Unit::Millimetre, 1, 1},
        {"clamped", TinyLabel, false, Unit::Millimetre, SheetGrid::MaxCount, SheetGrid::MaxCount},
        {"margin beyond page", MarginBeyondPage, false, Unit::Millimetre, 1, 1},
    };
    for (const auto& c : cases) {
        const SheetGrid grid(FromTexts(c.texts, c.vertical, c.unit));
        EXPECT_EQ(grid.Columns(), c.columns) << c.name;
        EXPECT_EQ(grid.Rows(), c.rows) << c.name;
        EXPECT_EQ(grid.LabelsPerPage(), c.columns * c.rows) << c.name;
    }
}

TEST(SheetGrid, NotANumberGivesOneCell)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(GridCount(nan, 0, 10, 0), 1);
    EXPECT_EQ(GridCount(210, 0, nan, 0), 1);
    EXPECT_EQ(GridCount(inf, 0, 10, 0), 1);
    EXPECT_EQ(GridCount(1e300, 0, 1e-300, 0), 1);   // overflows to infinity
    EXPECT_EQ(GridCount(inf, 0, inf, 0), 1);
    EXPECT_EQ(GridCount(210, 0, -10, 0), 1);
}

TEST(SheetGrid, CellsInReadingOrderAndTheirPlacement)
{
    SheetLayout layout = InMillimetres(FromTexts(Avery5160Inch, false, Unit::Inch));
    const SheetGrid grid(layout);
    EXPECT_EQ(grid.Cell(1).row, 0);
    EXPECT_EQ(grid.Cell(3).column, 2);
    EXPECT_EQ(grid.Cell(4).row, 1);
    EXPECT_EQ(grid.Cell(4).column, 0);
    EXPECT_EQ(grid.Cell(30).row, 9);
    const auto p = grid.Placement(5);   // row 1, column 1
    EXPECT_NEAR(p.left, (0.19 + 2.62 + 0.13) * 25.4, 1e-9);
    EXPECT_NEAR(p.top, (0.50 + 1.00) * 25.4, 1e-9);
    EXPECT_EQ(p.angle, 0);

    layout.verticalOrientation = true;
    const SheetGrid upright(GeometryOf(FromTexts(L7164, true, Unit::Millimetre)));
    const auto v = upright.Placement(3);   // row 1, column 0, counted from the bottom edge
    EXPECT_DOUBLE_EQ(v.left, 7.0);
    EXPECT_DOUBLE_EQ(v.top, 297.0 - 4.5 - 63.5);
    EXPECT_EQ(v.angle, 90);
}

TEST(ApplyLabelSize, LabelPageFollowsTheLabelFields)
{
    const auto inch = LabelPageSizeFromTexts("2.50", "1.00", Unit::Inch, '.');
    ASSERT_TRUE(inch);
    EXPECT_FLOAT_EQ(inch->width, 63.5f);
    EXPECT_FLOAT_EQ(inch->height, 25.4f);
    const auto flat = LabelPageSizeFromTexts("0.00", "-5", Unit::Millimetre, '.');
    ASSERT_TRUE(flat);
    EXPECT_EQ(flat->width, 1.0f);
    EXPECT_EQ(flat->height, 1.0f);
    EXPECT_FALSE(LabelPageSizeFromTexts("abc", "10", Unit::Millimetre, '.'));
    EXPECT_EQ(LabelPageLength(1e300, Unit::Inch), std::numeric_limits<float>::max());
    EXPECT_EQ(LabelPageLength(std::numeric_limits<double>::quiet_NaN(), Unit::Millimetre), 1.0f);
}

TEST(CheckStartLabel, StartMustLieOnTheFirstSheet)
{
    struct Case {
        PrintTab tab;
        const char* text;
        bool ok;
    };
    const Case cases[] = {
        {PrintTab::Labels, "1", true},   {PrintTab::Labels, "12", true},  {PrintTab::Labels, "13", false},
        {PrintTab::Labels, "0", false},  {PrintTab::Labels, "-1", false}, {PrintTab::Labels, "x", false},
        {PrintTab::Database, "12", true}, {PrintTab::Database, "13", false},
        {PrintTab::Pages, "0", true},    {PrintTab::Pages, "13", true},
    };
    const int labelsPerPage = SheetGrid(FromTexts(L7164, false, Unit::Millimetre)).LabelsPerPage();
    for (const auto& c : cases)
        EXPECT_EQ(CheckStartLabel(c.tab, c.text, labelsPerPage), c.ok) << c.text;
}
