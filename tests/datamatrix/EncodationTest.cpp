// Codewords of the encodations and of the tilde escapes, checked value by value.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "datamatrix/EncoderContext.h"

namespace tessaly::datamatrix {
namespace {

using testing::EncodeText;
using testing::Spaced;

std::string DataCodewords(std::string_view code, TEncoding encoding, bool tilde = false) {
    WorkingData data;
    if (tilde)
        ProcessTilde(code, data);
    else
        TakePlain(code, data);
    Encodation out;
    Encode(data, encoding, out);
    return Spaced(out.codewords);
}

struct CodewordCase {
    const char* name;
    std::string code;
    TEncoding encoding;
    const char* codewords;
};

class Codewords : public ::testing::TestWithParam<CodewordCase> {};

TEST_P(Codewords, AreExpected) {
    EXPECT_EQ(DataCodewords(GetParam().code, GetParam().encoding), GetParam().codewords);
}

INSTANTIATE_TEST_SUITE_P(
    Encodations, Codewords,
    ::testing::Values(
        CodewordCase{"AsciiDigitPairs", "123456", TEncoding::E_ASCII, "142 164 186"},
        CodewordCase{"AsciiOddDigitAndLetters", "1aB7", TEncoding::E_ASCII, "50 98 67 56"},
        CodewordCase{"AsciiUpperShift", "\xE9", TEncoding::E_ASCII, "235 106"},
        // 1600 * 14 + 40 * 15 + 16 + 1 = 23017 = 89 * 256 + 233
        CodewordCase{"C40Triplet", "ABC", TEncoding::E_C40, "230 89 233 254"},
        CodewordCase{"TextTripletOfLowerCase", "abc", TEncoding::E_TEXT, "239 89 233 254"},
        // Two values left: completed with Shift 1 (0): 1600 * 14 + 40 * 15 + 0 + 1 = 23001
        CodewordCase{"C40TwoPendingPadWithShift1", "ABCAB", TEncoding::E_C40, "230 89 233 89 217 254"},
        // One value left: unlatch, then the last character in ASCII
        CodewordCase{"C40OnePendingEndsInAscii", "ABCA", TEncoding::E_C40, "230 89 233 254 66"},
        // Shift 2, Upper Shift, then "A" for 0xC1: 1600 + 40 * 30 + 14 + 1 = 2815
        CodewordCase{"C40UpperShift", "\xC1", TEncoding::E_C40, "230 10 255 254"},
        // A lone value is not worth a latch: the character goes in ASCII.
        CodewordCase{"C40SingleValueStaysAscii", "D", TEncoding::E_C40, "69"},
        CodewordCase{"NoneCopiesCodes", "\x01\x81\xFE", TEncoding::E_NONE, "1 129 254"},
        // 231, length 3, "abc", each randomised: position 2 gives 3 + 44 = 47, position 3
        // gives 97 + 193 - 256 = 34, ...
        CodewordCase{"Base256Short", "abc", TEncoding::E_BASE256, "231 47 34 185 79"},
        CodewordCase{"AutoDigitsStayAscii", "1234567890", TEncoding::E_AUTO, "142 164 186 208 220"},
        CodewordCase{"AutoCapitalsTakeC40", "ABCDEFGHIJKL", TEncoding::E_AUTO,
                     "230 89 233 109 36 128 95 147 154 254"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Base256, LongSegmentHasTwoByteLengthField) {
    WorkingData data;
    TakePlain(std::string(300, 'x'), data);
    Encodation out;
    Encode(data, TEncoding::E_BASE256, out);
    ASSERT_EQ(out.codewords.size(), 303u);
    // 250 and 50 randomised at positions 2 and 3: 250 + 44 - 256 = 38, 50 + 193 = 243.
    EXPECT_EQ(Spaced(std::span(out.codewords).first(3)), "231 38 243");
}

TEST(Padding, OneLetterGetsPlainThenRandomisedPad) {
    const auto symbol = EncodeText("A", TEncoding::E_ASCII);
    ASSERT_TRUE(symbol);
    EXPECT_EQ(symbol->format, TFormat::C10X10);
    // position 3: 129 + (149 * 3 mod 253) + 1 = 324, minus 254
    EXPECT_EQ(Spaced(std::span(symbol->codewords).first(3)), "66 129 70");
}

TEST(Padding, FillsWithThe253StateSequence) {
    std::vector<std::uint8_t> codewords{66};
    AppendPads(codewords, 8);
    EXPECT_EQ(Spaced(codewords), "66 129 70 220 115 11 161 56");
}

TEST(SymbolChoice, DigitsFillC10X10WithoutPads) {
    const auto symbol = EncodeText("123456", TEncoding::E_ASCII);
    ASSERT_TRUE(symbol);
    EXPECT_EQ(symbol->format, TFormat::C10X10);
    // The standard's worked example.
    EXPECT_EQ(Spaced(symbol->codewords), "142 164 186 114 25 5 88 102");
}

TEST(SymbolChoice, FinalUnlatchGoesWhenItWouldNeedTheNextSize) {
    const auto symbol = EncodeText("ABC", TEncoding::E_C40);
    ASSERT_TRUE(symbol);
    EXPECT_EQ(symbol->format, TFormat::C10X10);
    EXPECT_EQ(Spaced(std::span(symbol->codewords).first(3)), "230 89 233");
}

TEST(SymbolChoice, UnlatchFillingTheSymbolExactlyBecomesAPad) {
    // 230, three triplets, 254: eight codewords fill C14X14 and no size holds seven.
    const auto symbol = EncodeText("ABCDEFGHI", TEncoding::E_C40);
    ASSERT_TRUE(symbol);
    EXPECT_EQ(symbol->format, TFormat::C14X14);
    EXPECT_EQ(Spaced(std::span(symbol->codewords).first(8)), "230 89 233 109 36 128 95 129");
}

TEST(SymbolChoice, UnlatchBeforeTwoCodewordAsciiTailIsKept) {
    // "A" + 0xC1 in C40 leaves one value; its ASCII form is two codewords, so dropping the
    // unlatch would make the reader take them for a triplet.
    WorkingData data;
    TakePlain("A\xC1", data);
    Encodation out;
    Encode(data, TEncoding::E_C40, out);
    EXPECT_FALSE(out.optionalUnlatch.has_value());
}

TEST(SymbolChoice, RectangularPreferenceTooSmallFallsBackToSquare) {
    const auto symbol = EncodeText("123456789012", TEncoding::E_ASCII, TFormat::C8X18);
    ASSERT_TRUE(symbol);
    EXPECT_EQ(symbol->format, TFormat::C14X14);
    EXPECT_EQ(EncodeText("1234567890", TEncoding::E_ASCII, TFormat::C8X18)->format, TFormat::C8X18);
}

TEST(SymbolChoice, PreferenceLargerThanNeededIsKept) {
    EXPECT_EQ(EncodeText("12", TEncoding::E_ASCII, TFormat::C144X144)->format, TFormat::C144X144);
}

struct TildeCase {
    const char* name;
    std::string code;
    const char* codewords;
};

class Tilde : public ::testing::TestWithParam<TildeCase> {};

TEST_P(Tilde, GivesCodewords) {
    EXPECT_EQ(DataCodewords(GetParam().code, TEncoding::E_ASCII, true), GetParam().codewords);
}

INSTANTIATE_TEST_SUITE_P(
    Escapes, Tilde,
    ::testing::Values(TildeCase{"Fnc1AtStart", "~1AB", "232 66 67"},
                      TildeCase{"Fnc1InTheMiddleIsGroupSeparator", "AB~1C", "66 67 30 68"},
                      TildeCase{"Fnc1AfterFourCharacters", "ABCD~1", "66 67 68 69 232"},
                      TildeCase{"ControlCharacters", "~@~J~Z", "1 11 27"},
                      TildeCase{"DoubleTilde", "~~", "127"},
                      TildeCase{"Decimal", "~d065~d300", "66 235 128"},
                      TildeCase{"DecimalNeedsThreeDigits", "~d6", "101 55"},
                      TildeCase{"StructuredAppend", "~2abcZZ", "233 97 98 99 91 91"},
                      TildeCase{"StructuredAppendNeedsFourFollowing", "~2abc", "51 98 99 100"},
                      TildeCase{"ReaderProgrammingAtStart", "~3A", "234 66"},
                      TildeCase{"MacroOnlyAtStart", "A~5", "66 54"},
                      TildeCase{"Macro06", "~6", "237"},
                      TildeCase{"EciOneByte", "~7000003A", "241 4 66"},
                      TildeCase{"EciTwoBytes", "~7000200A", "241 128 74 66"},
                      TildeCase{"EciThreeBytes", "~7100000A", "241 193 76 52 66"},
                      TildeCase{"UnknownEscapeDropsTilde", "~xA~", "121 66"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Tilde, FunctionCharacterBreaksFixedC40) {
    // ECI cannot be carried by C40: the run ends, the function goes in ASCII, C40 resumes.
    EXPECT_EQ(DataCodewords("ABC~7000003DEF", TEncoding::E_C40, true), "230 89 233 254 241 4 230 109 36 254");
}

TEST(Tilde, FunctionCharacterEndsAutomaticLookAhead) {
    WorkingData marked;
    ProcessTilde("~1ABCDEFGH", marked);
    EXPECT_EQ(LookAhead(marked, 0, Mode::Ascii), Mode::Ascii);
    EXPECT_EQ(LookAhead(marked, 1, Mode::Ascii), Mode::C40);
}

}  // namespace
}  // namespace tessaly::datamatrix
