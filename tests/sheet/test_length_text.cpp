// Display format, parsing and unit conversion of the sheet's length and integer fields.
#include "sheet/LengthText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tessaly::sheet;

TEST(FormatLength, RoundsToTwoDecimalsAndEightSignificantDigits)
{
    struct Case {
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {72.0, "72.00"},
        {static_cast<float>(21.19), "21.19"},
        {static_cast<float>(2.83), "2.83"},
        {0.125, "0.13"},           // an exact tie rounds away from zero
        {-0.125, "-0.13"},
        {0.005, "0.01"},
        {0.004, "0.00"},
        {-0.001, "0.00"},          // no "-0.00"
        {99.999, "100.00"},
        {1234567.891, "1234567.90"},  // 8 significant digits, padded to 2 decimals
        {12345678.9, "12345679.00"},
        {123456789.0, "1.2345679E+08"},
        {1e9, "1E+09"},
        {std::numeric_limits<double>::quiet_NaN(), "NAN"},
        {-std::numeric_limits<double>::infinity(), "-INF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatLength(c.value, '.'), c.expected) << c.value;
    EXPECT_EQ(FormatLength(63.5, ','), "63,50");
}

TEST(ParseLength, AcceptsOnlyTheGivenSeparator)
{
    EXPECT_EQ(ParseLength("  1,5 ", ','), 1.5);
    EXPECT_EQ(ParseLength("+2.50", '.'), 2.5);
    EXPECT_EQ(ParseLength("-.5", '.'), -0.5);
    EXPECT_EQ(ParseLength("1e3", '.'), 1000.0);
    for (const char* bad : {"", "  ", "1.5", "abc", "1,5x", "e5", "1e", "1,2,3", "inf", "nan", "1e999", "+-1"})
        EXPECT_FALSE(ParseLength(bad, ',').has_value()) << bad;
}

TEST(NormaliseLengthText, RoundsThroughAFloatAndShowsZeroForBadText)
{
    EXPECT_EQ(NormaliseLengthText("63.5", '.'), "63.50");
    EXPECT_EQ(NormaliseLengthText("21.19", '.'), "21.19");
    EXPECT_EQ(NormaliseLengthText("12345678.9", '.'), "12345679.00");   // float precision
    EXPECT_EQ(NormaliseLengthText("1e39", '.'), "INF");                  // beyond float range
    EXPECT_EQ(NormaliseLengthText("abc", '.'), "0.00");
    EXPECT_EQ(NormaliseLengthText("abc", ','), "0,00");
}

TEST(ToFloat32, OverflowsToInfinityWithoutUndefinedConversion)
{
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(ToFloat32(1e39), inf);
    EXPECT_EQ(ToFloat32(-1e300), -inf);
    EXPECT_EQ(ToFloat32(std::numeric_limits<float>::max()), std::numeric_limits<float>::max());
    EXPECT_EQ(ToFloat32(21.19), 21.19f);
    EXPECT_TRUE(std::isnan(ToFloat32(std::numeric_limits<double>::quiet_NaN())));
}

TEST(ConvertLengthText, WorksOnTheDisplayedValue)
{
    const std::string inches = ConvertLengthText("72.00", Unit::Millimetre, Unit::Inch, '.');
    EXPECT_EQ(inches, "2.83");
    EXPECT_EQ(ConvertLengthText(inches, Unit::Inch, Unit::Millimetre, '.'), "71.88");
    EXPECT_EQ(ConvertLengthText("2.50", Unit::Inch, Unit::Millimetre, '.'), "63.50");
    EXPECT_EQ(ConvertLengthText("junk", Unit::Inch, Unit::Millimetre, '.'), "0.00");
}

TEST(IntegerFields, NormaliseToDecimalOrZero)
{
    EXPECT_EQ(NormaliseIntegerText("  12"), "12");
    EXPECT_EQ(NormaliseIntegerText("+7"), "7");
    EXPECT_EQ(NormaliseIntegerText("-3"), "-3");
    for (const char* bad : {"", "-", "12 ", "1.5", "x", "99999999999", "+-1"})
        EXPECT_EQ(NormaliseIntegerText(bad), "0") << bad;
}
