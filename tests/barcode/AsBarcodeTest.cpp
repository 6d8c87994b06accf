// TAsBarcode: properties and notifications, Width, and the painting geometry as values.
#include "barcode/AsBarcode.h"
#include "barcode/BarcodeError.h"

#include <gtest/gtest.h>

namespace tessaly::barcode {
namespace {

constexpr TextExtent kTextExtent{20, 10};
const MeasureText kMeasure = [](std::string_view) { return kTextExtent; };

TAsBarcode makeBarcode(TBarcodeType type, std::string text)
{
    TAsBarcode b;
    b.SetTyp(type);
    b.SetText(std::move(text));
    b.SetLeft(100);
    b.SetTop(50);
    b.SetHeight(40);
    b.SetModul(2);
    return b;
}

TEST(AsBarcode, SettersFireOnChangeOnlyForNewValues)
{
    TAsBarcode b;
    int changes = 0;
    b.OnChange = [&](TAsBarcode& sender) {
        EXPECT_EQ(&sender, &b);
        ++changes;
    };
    b.SetText("A");
    b.SetText("A");
    b.SetHeight(0); // the initial value
    b.SetModul(1);  // accepted values always notify
    b.SetModul(50); // refused
    b.SetModul(0);
    b.SetShowTextFont(b.ShowTextFont()); // copies always notify
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(b.Modul(), 1);
}

TEST(AsBarcode, DefaultsOfANewEngine)
{
    TAsBarcode b;
    EXPECT_EQ(b.Typ(), bcCodeEAN13);
    EXPECT_EQ(b.Modul(), 1);
    EXPECT_EQ(b.Ratio(), 2.0);
    EXPECT_EQ(b.Color, 0xFFFFFFu);
    EXPECT_EQ(b.ColorBar, 0u);
    EXPECT_EQ(b.CheckSumMethod, csmModulo10);
    EXPECT_EQ(b.ShowTextPosition(), stpTopLeft);
    EXPECT_EQ(b.SymbologyName(), "EAN13");
}

TEST(AsBarcode, RatioClampGoesThroughTheSetter)
{
    TAsBarcode b = makeBarcode(bcCode39, "A");
    b.SetRatio(5.0);
    int changes = 0;
    b.OnChange = [&](TAsBarcode&) { ++changes; };
    b.Width();
    EXPECT_EQ(b.Ratio(), 3.0);
    EXPECT_EQ(changes, 1);
}

TEST(AsBarcode, WidthOfBlankTextIsZero)
{
    TAsBarcode b = makeBarcode(bcCode128B, "  ");
    EXPECT_EQ(b.Width(), 0);
    const BarcodeGeometry g = b.Layout(kMeasure);
    EXPECT_TRUE(g.bars.empty());
    EXPECT_TRUE(g.texts.empty());
}

TEST(AsBarcode, SettingWidthRescalesModul)
{
    TAsBarcode b = makeBarcode(bcCode39, "AB"); // "*AB*": 4 x 12 modules + 3 gaps = 51
    b.SetModul(1);
    ASSERT_EQ(b.Width(), 51);
    b.SetWidth(400); // 400 div 51 = 7
    EXPECT_EQ(b.Modul(), 7);
    EXPECT_EQ(b.Width(), 357);
    b.SetWidth(100); // 7 x 100 div 357 = 1
    EXPECT_EQ(b.Modul(), 1);
    b.SetWidth(50); // too small for Modul 1: unchanged
    EXPECT_EQ(b.Modul(), 1);
    b.SetWidth(51 * 60); // 60 is refused
    EXPECT_EQ(b.Modul(), 1);
}

TEST(AsBarcode, EncodingErrorsReachTheCaller)
{
    TAsBarcode b = makeBarcode(bcCodeEAN13, "12345678901234");
    EXPECT_THROW(b.Width(), BarcodeError);
    EXPECT_THROW(b.Layout(kMeasure), BarcodeError);
}

TEST(Geometry, UnrotatedBarsAreRectanglesFromTheTopLeft)
{
    TAsBarcode b = makeBarcode(bcCode39, "A");
    b.ColorBar = 0x0000FF;
    const BarcodeGeometry g = b.Layout(kMeasure);
    ASSERT_EQ(g.bars.size(), 3 * 10 - 1u);
    // First element: a narrow bar 2 units wide.
    EXPECT_EQ(g.bars[0].corners, (std::array<Point, 4>{{{100, 50}, {100, 90}, {101, 90}, {101, 50}}}));
    EXPECT_EQ(g.bars[0].color, 0x0000FFu);
    // Second: a wide space (4 units), painted in the space colour.
    EXPECT_EQ(g.bars[1].corners, (std::array<Point, 4>{{{102, 50}, {102, 90}, {105, 90}, {105, 50}}}));
    EXPECT_EQ(g.bars[1].color, 0xFFFFFFu);
    EXPECT_EQ(g.bars.back().corners[2].x, 100 + g.width - 1);
}

TEST(Geometry, PostNetShortBarsHangFromTheTop)
{
    TAsBarcode b = makeBarcode(bcCodePostNet, "1");
    const BarcodeGeometry g = b.Layout(kMeasure);
    // "51" start, then digit 1 = "A1A1A15151": the first short bar is element 3.
    EXPECT_EQ(g.bars[0].corners[1].y, 90);
    EXPECT_EQ(g.bars[2].corners[0].y, 50);
    EXPECT_EQ(g.bars[2].corners[1].y, 50 + 40 * 2 / 5);
}

TEST(Geometry, QuarterTurnRunsUpFromTheBottomLeft)
{
    TAsBarcode b = makeBarcode(bcCode39, "A");
    b.SetAngle(90);
    const BarcodeGeometry g = b.Layout(kMeasure);
    const int w = g.width;
    // Local (x, y) maps to (left + y, top + W - x).
    EXPECT_EQ(g.bars[0].corners, (std::array<Point, 4>{{{100, 50 + w}, {140, 50 + w},
                                                         {140, 50 + w - 1}, {100, 50 + w - 1}}}));
    EXPECT_EQ(g.bars.back().corners[2], (Point{140, 50 + 1}));
}

TEST(Geometry, HalfTurnStaysRightAndBelowTheCorner)
{
    TAsBarcode b = makeBarcode(bcCode39, "A");
    b.SetAngle(180);
    const BarcodeGeometry g = b.Layout(kMeasure);
    EXPECT_EQ(g.bars[0].corners[0], (Point{100 + g.width, 50 + 40}));
    EXPECT_EQ(g.bars[0].corners[1], (Point{100 + g.width, 50}));
}

TEST(Geometry, Ean13GuardsDigitPositionsAndLayout)
{
    TAsBarcode b = makeBarcode(bcCodeEAN13, "0000000000000");
    b.SetModul(1);
    b.SetShowText(bcoCode);
    b.SetShowTextPosition(stpBottomLeft);
    const BarcodeGeometry g = b.Layout(kMeasure);
    ASSERT_EQ(g.bars.size(), 59u);
    const int guard = 1 * 6 + 40;
    for (int element : {1, 2, 3, 29, 30, 31, 57, 58, 59})
        EXPECT_EQ(g.bars[element - 1].corners[1].y - 50, guard) << element;
    for (int element : {4, 28, 32, 56})
        EXPECT_EQ(g.bars[element - 1].corners[1].y - 50, 40) << element;
    // Bars start 2 x wide module (4) to the right, leaving room for the first digit.
    EXPECT_EQ(g.bars[0].corners[0].x, 104);
    // Digit 2 after element 4: 4 + guard 3 + "2" of set A (3) = 10. Digit 8 after
    // element 33: 4 + 3 + 6 x 7 + centre 5 + "7" of set C (3) = 57.
    EXPECT_EQ(g.digitPositions[0], 0);
    EXPECT_EQ(g.digitPositions[1], 10);
    EXPECT_EQ(g.digitPositions[7], 57);
    ASSERT_EQ(g.texts.size(), 13u);
    for (std::size_t k = 0; k < 13; ++k) {
        EXPECT_EQ(g.texts[k].at, (Point{100 + g.digitPositions[k], 90})) << k;
        EXPECT_EQ(g.texts[k].text, "0");
    }
}

TEST(Geometry, Ean8DigitPositions)
{
    TAsBarcode b = makeBarcode(bcCodeEAN8, "00000000");
    b.SetModul(1);
    const BarcodeGeometry g = b.Layout(kMeasure);
    // After elements 4, 8 ...: guard 3 + "2" of set A (3), then 7 per digit; digit 5 after
    // element 24, the end of the centre guard: 3 + 4 x 7 + 5.
    EXPECT_EQ(g.digitPositions[0], 6);
    EXPECT_EQ(g.digitPositions[1], 13);
    EXPECT_EQ(g.digitPositions[4], 36);
    EXPECT_EQ(g.bars[20].corners[1].y - 50, 46); // centre guard element 21
}

struct AnchorCase {
    const char* name;
    TShowTextPosition position;
    double angle;
    int a, b; // expected, with W the barcode width filled in below
    bool aPlusW, bPlusW;
};

class TextAnchor : public ::testing::TestWithParam<AnchorCase> {};

TEST_P(TextAnchor, FollowsThePosition)
{
    const AnchorCase& c = GetParam();
    TAsBarcode b = makeBarcode(bcCode128B, "Hi");
    b.SetShowText(bcoCode);
    b.SetShowTextPosition(c.position);
    b.SetAngle(c.angle);
    const BarcodeGeometry g = b.Layout(kMeasure);
    ASSERT_EQ(g.texts.size(), 1u);
    const int w = g.width;
    int a = c.a, bb = c.b;
    if (c.aPlusW) a += c.angle == 0 ? w : 0;
    if (c.bPlusW) bb += w;
    if (c.position == stpTopCenter || c.position == stpBottomCenter) {
        if (c.angle == 0)
            a += (w - 20) / 2;
        else
            bb += (w - 20) / 2;
    }
    EXPECT_EQ(g.texts[0].at, (Point{a, bb}));
    EXPECT_EQ(g.texts[0].text, "Hi");
}

// Left 100, top 50, height 40; text 20 x 10.
INSTANTIATE_TEST_SUITE_P(
    Barcode, TextAnchor,
    ::testing::Values(AnchorCase{"TopLeft", stpTopLeft, 0, 100, 40, false, false},
                      AnchorCase{"TopRight", stpTopRight, 0, 80, 40, true, false},
                      AnchorCase{"TopCenter", stpTopCenter, 0, 100, 40, false, false},
                      AnchorCase{"BottomLeft", stpBottomLeft, 0, 100, 90, false, false},
                      AnchorCase{"BottomRight", stpBottomRight, 0, 80, 90, true, false},
                      AnchorCase{"BottomCenter", stpBottomCenter, 0, 100, 90, false, false},
                      AnchorCase{"RotatedTopLeft", stpTopLeft, 90, 90, 50, false, true},
                      AnchorCase{"RotatedBottomRight", stpBottomRight, 90, 140, 70, false, false},
                      AnchorCase{"RotatedBottomCenter", stpBottomCenter, 90, 140, 70, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct LineCase {
    const char* name;
    TBarcodeType type;
    std::string text, textAff, mask;
    TBarcodeOption show;
    std::vector<std::string> expected;
};

class TextLineChoice : public ::testing::TestWithParam<LineCase> {};

TEST_P(TextLineChoice, DrawsTheRightLines)
{
    const LineCase& c = GetParam();
    TAsBarcode b = makeBarcode(c.type, c.text);
    b.SetTextAff(c.textAff);
    b.SetTextFormatA(c.mask);
    b.SetShowText(c.show);
    const BarcodeGeometry g = b.Layout(kMeasure);
    std::vector<std::string> lines;
    for (const auto& t : g.texts) {
        lines.push_back(t.text);
        EXPECT_EQ(t.at, g.texts[0].at); // every line shares the anchor
    }
    EXPECT_EQ(lines, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Barcode, TextLineChoice,
    ::testing::Values(
        LineCase{"Data", bcCode39, "AB12", "", "", bcoCode, {"AB12"}},
        LineCase{"Mask", bcCode39, "12345", "", "?\?-?\?", bcoCode, {"12-345"}},
        LineCase{"AltText", bcCode39, "AB12", "[*3*]", "?\?-?\?", bcoCode, {"[*3*]"}},
        LineCase{"AltTextEqualToText", bcCode39, "AB12", "AB12", "", bcoCode, {"AB12"}},
        LineCase{"Function1Hidden", bcCodeEAN128B, "10" + std::string(1, kFnc1) + "AB", "", "",
                 bcoCode, {"10AB"}},
        LineCase{"Name", bcCode93Extended, "x", "", "", bcoTyp, {"Code93 Extended"}},
        LineCase{"BothOnTopOfEachOther", bcCodeCodabar, "123", "", "", bcoBoth, {"123", "Codebar"}},
        // Not the EAN layout (top-left position): the digits as one line and the name.
        LineCase{"EanBothAtTopLeft", bcCodeEAN8, "12345670", "", "", bcoBoth, {"12345670", "EAN8"}},
        LineCase{"RewrittenText", bcCode_2_5_interleaved, "123", "", "", bcoCode, {"0123"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DisplayMask, QuestionMarksTakeDataCharacters)
{
    EXPECT_EQ(applyDisplayMask("?\?-?\?", "1234"), "12-34");
    EXPECT_EQ(applyDisplayMask("?\?-?\?", "12345"), "12-345");
    EXPECT_EQ(applyDisplayMask("(?\?)", "1"), "(1)");
    EXPECT_EQ(applyDisplayMask("", "123"), "123");
}

} // namespace
} // namespace tessaly::barcode
