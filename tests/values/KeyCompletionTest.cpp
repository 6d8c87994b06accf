// Completing values with keys and the key types offered per symbology.
#include "values/KeyCompletion.h"

#include <gtest/gtest.h>

namespace tessaly::values {
namespace {

using barcode::TBarcodeType;

TEST(CompleteWithKey, PadsCutsAndAppendsTheKey)
{
    struct Case {
        const char* value;
        const char* keyType;
        const char* expected;
    } cases[] = {
        {"123", "EAN13", "0000000001236"},
        {"1234567890123", "EAN13", "1234567890128"},          // 13 characters: the leftmost 12 kept
        {"400638133393", "EAN13", "4006381333931"},
        {"12345A789012", "EAN13", "12345A7890126"},           // a letter counts 0 and stays
        {"", "EAN13", "0000000000000"},
        {"1234567", "EAN8", "12345670"},                      // sum a multiple of 10: key 0
        {"03600029145", "UPCA", "036000291452"},
        {"1234567890123", "EAN14", "0012345678901231"},       // the two pad zeros become the identifier
        {"011234567890123999", "EAN14", "0112345678901231"},  // longer than 15: the leftmost 15
        {"0012345678901234567890123", "SSCC", "00123456789012345675"},
        {"0012345678901234567", "SSCC", "00123456789012345675"},
        {"123", "", ""},
        {"123", "ean13", ""},                                 // key types are compared exactly
        {"123", "ISBN", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CompleteWithKey(QString::fromLatin1(c.value), QString::fromLatin1(c.keyType)),
                  QString::fromLatin1(c.expected))
            << c.value << " " << c.keyType;
}

TEST(CompleteWithKey, CharactersCountAsOneEachAndCountZero)
{
    EXPECT_EQ(CompleteWithKey(QStringLiteral("12345é789012"), QStringLiteral("EAN13")), QStringLiteral("12345é7890126"));
    EXPECT_EQ(CompleteWithKey(QStringLiteral("€1"), QStringLiteral("EAN8")), QStringLiteral("00000?17"));
}

TEST(KeyTypes, OfferedAndDefaultPerSymbology)
{
    struct Case {
        TBarcodeType type;
        QStringList offered;
        const char* fallback;
    } cases[] = {
        {TBarcodeType::bcCodeEAN13, {"", "EAN13"}, "EAN13"},
        {TBarcodeType::bcCodeEAN8, {"", "EAN8"}, "EAN8"},
        {TBarcodeType::bcCodeUPC_A, {"", "UPCA"}, "UPCA"},
        {TBarcodeType::bcCodeEAN128A, {"", "EAN14", "SSCC"}, ""},
        {TBarcodeType::bcCodeEAN128B, {"", "EAN14", "SSCC"}, ""},
        {TBarcodeType::bcCodeEAN128C, {"", "EAN14", "SSCC"}, ""},
        {TBarcodeType::bcCode39, {""}, ""},
        {TBarcodeType::bcCodeUPC_E0, {""}, ""},
        {static_cast<TBarcodeType>(99), {""}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OfferedKeyTypes(c.type), c.offered) << static_cast<int>(c.type);
        EXPECT_EQ(DefaultKeyType(c.type), QString::fromLatin1(c.fallback)) << static_cast<int>(c.type);
    }
}

} // namespace
} // namespace tessaly::values
