// The stored float format: six significant digits, no leading zero, short scientific form.
#include "document/storage/XmlValues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tessaly::document;

TEST(FloatText, WritesTheStoredFormat)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {297, "297"},
        {0.25, ".25"},
        {5.905512f, "5.90551"},
        {123.4567f, "123.457"},
        {-0.0001, "-1E-4"},
        {0.005, "5E-3"},
        {0.05, ".05"},
        {0, "0"},
        {-0.0, "0"},
        {210, "210"},
        {-2.5, "-2.5"},
        {0.1f, ".1"},
        {1e-10, "1E-10"},
        {1234.125, "1234.12"},        // exact tie: half to even
        {1234.375, "1234.38"},        // exact tie: half to even, upwards
        {999999.5, "1000000"},        // rounding carries into a new digit
        {12345678, "12345700"},       // point position 8: still positional
        {123456789, "1.23457E8"},     // point position 9: scientific
        {100000000, "1E8"},
        {std::numeric_limits<double>::infinity(), "0"},
        {-std::numeric_limits<double>::infinity(), "0"},
        {std::numeric_limits<double>::quiet_NaN(), "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFloat(c.value), c.text) << c.value;
}

TEST(FloatText, OtherSignificantDigits)
{
    EXPECT_EQ(FormatFloat(3.14159265, 3), "3.14");
    EXPECT_EQ(FormatFloat(3.14159265, 9), "3.14159265");
    EXPECT_EQ(FormatFloat(12345, 1), "1E4");    // point position 5 > 1 + 2
    EXPECT_EQ(FormatFloat(125, 2), "120");      // exact tie, even
    for (int digits : {0, 10, -1})
        EXPECT_THROW(
            {
                try {
                    FormatFloat(1, digits);
                } catch (const StorageError& e) {
                    EXPECT_STREQ(e.what(), "Significant digits out of range");
                    throw;
                }
            },
            StorageError);
}

TEST(FloatText, ReadsTolerantly)
{
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {".25", 0.25}, {"5E-3", 0.005}, {"-1E-4", -0.0001}, {"66,67", 66.67}, {" 12.5 ", 12.5},
        {"+3", 3},     {"1e2", 100},    {"", std::nullopt}, {"abc", std::nullopt},
        {"1.5x", std::nullopt}, {"inf", std::nullopt}, {"nan", std::nullopt},
        {"1E999", std::nullopt}, {"0x10", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseFloat(c.text), c.value) << c.text;
}

TEST(FloatText, EveryWrittenFloatReadsBackWithinSixDigits)
{
    for (int i = 0; i < 3000; ++i) {
        const double v = (i * 7919 % 100003 - 50000) * std::pow(10.0, i % 17 - 8) / 7.0;
        const std::string text = FormatFloat(v);
        const double back = ParseFloat(text).value_or(-12345);
        EXPECT_NEAR(back, v, std::fabs(v) * 5e-6) << text;
        EXPECT_LE(text.size(), 12u) << text;
    }
}
