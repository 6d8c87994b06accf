// Encoding edge cases: input checks, text rewrites, rejected inputs and exact module strings.
#include "barcode/BarcodeError.h"
#include "barcode/Encoder.h"
#include "barcode/Patterns.h"

#include <gtest/gtest.h>

namespace tessaly::barcode {
namespace {

namespace p = patterns;

std::string widthDigits(std::string_view digits)
{
    std::string modules;
    appendWidthDigits(modules, digits);
    return modules;
}

const std::string kFnc1Text(1, kFnc1);

struct RewriteCase {
    const char* name;
    TBarcodeType type;
    std::string text;
    bool checksum;
    std::string expectedText; // Text after encoding
};

class Rewrites : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(Rewrites, TextAfterEncoding)
{
    const RewriteCase& c = GetParam();
    EXPECT_EQ(encode(c.type, c.text, {c.checksum, csmModulo10}).text, c.expectedText);
}

INSTANTIATE_TEST_SUITE_P(
    Barcode, Rewrites,
    ::testing::Values(
        RewriteCase{"NumericTrimmed", bcCodeEAN13, " \t590123412345\r\n", false, "590123412345"},
        RewriteCase{"InterleavedOddGetsLeadingZero", bcCode_2_5_interleaved, " 123 ", false, "0123"},
        RewriteCase{"InterleavedEvenUnchanged", bcCode_2_5_interleaved, "1234", false, "1234"},
        RewriteCase{"Code128COddGetsLeadingZero", bcCode128C, "12345", false, "012345"},
        // The check digit is encoded but not stored; it counts for the leading zero.
        RewriteCase{"Ean128CCheckDigitNotStored", bcCodeEAN128C, "123", true, "123"},
        RewriteCase{"Ean128COddWithCheckDigit", bcCodeEAN128C, "1234", true, "01234"},
        RewriteCase{"UpcAPadded", bcCodeUPC_A, "123", false, "000000000123"},
        RewriteCase{"UpcAShortNumberKeptWithChecksum", bcCodeUPC_A, "3600029145", true, "036000291452"},
        RewriteCase{"UpcACheckDigitReplacesTwelfth", bcCodeUPC_A, "036000291459", true, "036000291452"},
        RewriteCase{"UpcEPaddedAndCompleted", bcCodeUPC_E0, "12345", true, "0123457"},
        RewriteCase{"UpcEWithoutChecksumPaddedToSeven", bcCodeUPC_E0, "12345", false, "0012345"},
        RewriteCase{"Supp5CheckDigit", bcCodeUPC_Supp5, "52495", true, "524951"},
        RewriteCase{"Supp2Padded", bcCodeUPC_Supp2, "7", false, "07"},
        RewriteCase{"Code39KeepsText", bcCode39, " abc ", false, " abc "},
        RewriteCase{"Ean13NotPaddedInText", bcCodeEAN13, "123", false, "123"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ErrorCase {
    const char* name;
    TBarcodeType type;
    std::string text;
    bool checksum;
    std::string message;
};

class Errors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(Errors, RaiseTheUserMessage)
{
    const ErrorCase& c = GetParam();
    try {
        encode(c.type, c.text, {c.checksum, csmModulo10});
        FAIL() << "no error";
    } catch (const BarcodeError& e) {
        EXPECT_EQ(std::string(e.what()), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Barcode, Errors,
    ::testing::Values(
        ErrorCase{"LetterInEan13", bcCodeEAN13, "12345A789012", false, "Numeric/Numerique"},
        ErrorCase{"InnerBlankInItf", bcCode_2_5_interleaved, "12 34", false, "Numeric/Numerique"},
        ErrorCase{"Fnc1OutsideCode128", bcCodeEAN13, "12345678901" + kFnc1Text, false,
                  "Numeric/Numerique"},
        ErrorCase{"Ean13Of14Digits", bcCodeEAN13, "12345678901234", false, "Invalid Text len (EAN13)"},
        ErrorCase{"Ean13Of13DigitsWithChecksum", bcCodeEAN13, "1234567890123", true,
                  "Invalid Text len (EAN13)"},
        ErrorCase{"Ean8Of9Digits", bcCodeEAN8, "123456789", false, "Invalid Text len (EAN8)"},
        ErrorCase{"LowerCaseInCode93", bcCode93, "Ab", false, "TAsBarcode:Code93 bad Data <Ab>"},
        ErrorCase{"TypeOutOfRange", static_cast<TBarcodeType>(23), "1", false,
                  "TAsBarcode: wrong BarcodeType"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Encode, BlankTextGivesNoModules)
{
    for (TBarcodeType type : {bcCode39, bcCodeEAN13, bcCode128B, bcCode_2_5_interleaved})
        for (const char* text : {"", "   ", "\t\r\n"})
            EXPECT_TRUE(encode(type, text).modules.empty()) << static_cast<int>(type);
}

TEST(Encode, Ean13LeadingZeroSelectsParityA)
{
    std::string expected = "505";
    for (char d : std::string("123456"))
        expected += p::kEanSetA[d - '0'];
    expected += "05050";
    for (char d : std::string("789012"))
        expected += p::kEanSetC[d - '0'];
    expected += "505";
    EXPECT_EQ(encode(bcCodeEAN13, "123456789012").modules, expected);
}

TEST(Encode, Ean8WithChecksumKeepsLastSevenDigits)
{
    EXPECT_EQ(encode(bcCodeEAN8, "991234567", {true, csmModulo10}).modules,
              encode(bcCodeEAN8, "12345670").modules);
}

TEST(Encode, Code128CFiveDigitsEncodeLeadingZero)
{
    // start C, 01, 23, 45, check (105 + 1 + 46 + 135) % 103 = 81, stop
    const std::string expected = widthDigits(p::kCode128[105]) + widthDigits(p::kCode128[1]) +
                                 widthDigits(p::kCode128[23]) + widthDigits(p::kCode128[45]) +
                                 widthDigits(p::kCode128[81]) + widthDigits(p::kCode128Stop);
    EXPECT_EQ(encode(bcCode128C, "12345").modules, expected);
}

TEST(Encode, Code128ALowerCaseBecomesSpace)
{
    EXPECT_EQ(encode(bcCode128A, "AbC").modules, encode(bcCode128A, "A C").modules);
}

TEST(Encode, Code93ExtendedShiftsLowerCase)
{
    EXPECT_EQ(encode(bcCode93Extended, "a").modules, encode(bcCode93, "}A").modules);
    EXPECT_EQ(encode(bcCode39Extended, "a").modules, encode(bcCode39, "+A").modules);
}

TEST(Encode, Code39SkipsUnknownCharactersAndChecksModulo43)
{
    EXPECT_EQ(encode(bcCode39, "A~B").modules, encode(bcCode39, "AB").modules);
    // A (10) + B (11) = 21 = "L"; a sum of 0 uses "0", not "*".
    EXPECT_EQ(encode(bcCode39, "AB", {true, csmModulo10}).modules, encode(bcCode39, "ABL").modules);
    EXPECT_EQ(encode(bcCode39, "0", {true, csmModulo10}).modules, encode(bcCode39, "00").modules);
}

TEST(Encode, Code128CWithInnerFunction1KeepsEveryDigit)
{
    // "12" FNC1 "345" has an odd digit count: a leading 0 makes "012" FNC1 "345"; the lone
    // digits 2 and 5 go through code set B instead of becoming "00".
    const std::string text = "12" + kFnc1Text + "345";
    const Encoding encoding = encode(bcCode128C, text);
    EXPECT_EQ(encoding.text, "0" + text);
    int sum = 105, position = 1;
    std::string expected = widthDigits(p::kCode128[105]);
    for (int v : {1, 100, 18, 99, 102, 34, 100, 21}) {
        expected += widthDigits(p::kCode128[v]);
        sum += v * position++;
    }
    expected += widthDigits(p::kCode128[sum % 103]) + widthDigits(p::kCode128Stop);
    EXPECT_EQ(encoding.modules, expected);
}

TEST(Encode, RewritesAreStable)
{
    for (TBarcodeType type : {bcCode_2_5_interleaved, bcCode128C, bcCodeUPC_A, bcCodeUPC_E1,
                              bcCodeUPC_Supp5, bcCodeEAN128C}) {
        const Encoding once = encode(type, " 12345 ", {true, csmModulo10});
        const Encoding twice = encode(type, once.text, {true, csmModulo10});
        EXPECT_EQ(twice.text, once.text) << static_cast<int>(type);
        EXPECT_EQ(twice.modules, once.modules) << static_cast<int>(type);
    }
}

TEST(Encode, MsiCheckDigitOfLongTextsDoesNotOverflow)
{
    // Twelve digits in odd positions: N has twelve digits.
    const std::string digits(24, '9');
    const Encoding encoding = encode(bcCodeMSI, digits);
    // N = 999999999999, 2N = 1999999999998: digit sum 1 + 11 x 9 + 8 = 108; S = 12 x 9 = 108;
    // t = 216 % 10 = 6, check 4.
    const std::string check(p::kMsi[4]);
    EXPECT_EQ(encoding.modules.substr(encoding.modules.size() - 3 - check.size(), check.size()), check);
}

TEST(Modules, WidthsFollowTheRatio)
{
    EXPECT_EQ(moduleWidths(2, 2.0).width, (std::array<int, 4>{2, 4, 6, 8}));
    EXPECT_EQ(moduleWidths(1, 2.5).width, (std::array<int, 4>{1, 2, 3, 4})); // 2.5 rounds to 2
    EXPECT_EQ(moduleWidths(3, 2.5).width, (std::array<int, 4>{3, 8, 12, 16})); // 7.5 rounds to 8
    EXPECT_EQ(clampRatio(bcCode_2_5_matrix, 2.0), 2.25);
    EXPECT_EQ(clampRatio(bcCode39, 3.5), 3.0);
    EXPECT_EQ(clampRatio(bcCodeEAN13, 1.0), 2.0);
    EXPECT_EQ(clampRatio(bcCode128B, 1.0), 1.0);
    EXPECT_THROW(moduleWidths(1, 2.0).element('4'), BarcodeError);
    EXPECT_EQ(moduleWidths(1, 2.0).total("58D3"), 1 + 4 + 4 + 4);
}

} // namespace
} // namespace tessaly::barcode
