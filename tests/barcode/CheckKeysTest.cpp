// Check keys, value completion and the key types offered per symbology.
#include "barcode/CheckKeys.h"

#include <gtest/gtest.h>

namespace tessaly::barcode {
namespace {

struct KeyCase {
    const char* name;
    std::string (*key)(std::string_view);
    std::string input;
    std::string expected;
};

class Keys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(Keys, AppendTheKey)
{
    const KeyCase& c = GetParam();
    EXPECT_EQ(c.key(c.input), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Barcode, Keys,
    ::testing::Values(
        KeyCase{"Ean13", Ean13Key, "590123412345", "5901234123457"},
        KeyCase{"Ean13SumMultipleOfTen", Ean13Key, "000000000000", "0000000000000"},
        KeyCase{"Ean13KeyZero", Ean13Key, "400638133393", "4006381333931"},
        KeyCase{"Ean13LetterCountsZero", Ean13Key, "59012341234A", "59012341234A2"},
        KeyCase{"Ean13ElevenDigits", Ean13Key, "59012341234", ""},
        KeyCase{"Ean8", Ean8Key, "9638507", "96385074"},
        KeyCase{"Ean8KeyZero", Ean8Key, "1234567", "12345670"},
        KeyCase{"Ean8WrongLength", Ean8Key, "96385070", ""},
        KeyCase{"UpcA", UpcAKey, "03600029145", "036000291452"},
        KeyCase{"UpcAKeyZero", UpcAKey, "01234567890", "012345678905"},
        KeyCase{"Ean14", Ean14Key, "1001234567890", "10012345678902"},
        KeyCase{"Ean14WrongLength", Ean14Key, "100123456789", ""},
        KeyCase{"Sscc", SsccKey, "00614141123456789", "006141411234567890"},
        KeyCase{"Sscc2", SsccKey, "34012345123456789", "340123451234567895"},
        KeyCase{"Modulo10AnyLength", Modulo10Key, "978030640615", "9780306406157"},
        KeyCase{"Modulo10Empty", Modulo10Key, "", "0"},
        KeyCase{"Isbn", IsbnKey, "030640615", "0306406152"},
        KeyCase{"IsbnRemainderOneGivesX", IsbnKey, "080442957", "080442957X"},
        KeyCase{"IsbnRemainderZero", IsbnKey, "000000000", "0000000000"},
        KeyCase{"IsbnWrongLength", IsbnKey, "0306406152", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct CompletionCase {
    const char* name;
    std::string value;
    std::string keyType;
    std::string expected;
};

class Completion : public ::testing::TestWithParam<CompletionCase> {};

TEST_P(Completion, PadsCutsAndAppendsTheKey)
{
    const CompletionCase& c = GetParam();
    EXPECT_EQ(CompleteWithKey(c.value, c.keyType), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Barcode, Completion,
    ::testing::Values(
        CompletionCase{"Ean13Padded", "123", "EAN13", "0000000001236"},
        CompletionCase{"Ean13KeepsLeftmost12", "59012341234599", "EAN13", "5901234123457"},
        CompletionCase{"Ean8Padded", "1", "EAN8", "00000017"},
        CompletionCase{"UpcA", "3600029145", "UPCA", "036000291452"},
        // 13 characters: two zeros in front become the application identifier.
        CompletionCase{"Ean14PadsIdentifier", "1001234567890", "EAN14", "001001234567890" + std::string("2")},
        CompletionCase{"Ean14KeepsLeftmost15", "011001234567890999", "EAN14", "0110012345678902"},
        // 25 characters: the first 19 are kept, "00" is the identifier.
        CompletionCase{"SsccKeepsLeftmost19", "0000614141123456789123456", "SSCC", "00006141411234567890"},
        CompletionCase{"SsccPadded", "614141123456789", "SSCC", "00006141411234567890"},
        CompletionCase{"NoKeyType", "123", "", ""},
        CompletionCase{"UnknownKeyType", "123", "ISBN", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeyTypes, OfferedPerSymbology)
{
    using List = std::vector<std::string>;
    EXPECT_EQ(KeyTypesForSymbology("CodeEAN13"), (List{"", "EAN13"}));
    EXPECT_EQ(KeyTypesForSymbology("CodeEAN8"), (List{"", "EAN8"}));
    EXPECT_EQ(KeyTypesForSymbology("CodeUPC_A"), (List{"", "UPCA"}));
    for (const char* item : {"CodeEAN128A", "CodeEAN128B", "CodeEAN128C"})
        EXPECT_EQ(KeyTypesForSymbology(item), (List{"", "EAN14", "SSCC"})) << item;
    EXPECT_EQ(KeyTypesForSymbology("Code39"), (List{""}));
    EXPECT_EQ(KeyTypesForSymbology("CodeUPC_E0"), (List{""}));
    EXPECT_EQ(DefaultKeyType("CodeEAN13"), "EAN13");
    EXPECT_EQ(DefaultKeyType("CodeEAN8"), "EAN8");
    EXPECT_EQ(DefaultKeyType("CodeUPC_A"), "UPCA");
    EXPECT_EQ(DefaultKeyType("CodeEAN128B"), "");
}

} // namespace
} // namespace tessaly::barcode
