// Placeholder substitution, detection and parsing.
#include "ValuesTestSupport.h"
#include "values/Placeholders.h"

#include <gtest/gtest.h>

namespace tessaly::values {
namespace {

using test::FakeRecord;

TEST(Placeholders, SubstitutesOnlyWellFormedNumbersOneToFifteen)
{
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"[*2*] / [*12*]", "v2 / v12"},        // 2 must not match inside 12, nor 12 inside 2
        {"[*1*][*1*]x[*15*]", "v1v1xv15"},
        {"[*16*]", "[*16*]"},                  // no field 16
        {"[*03*] [*0*]", "[*03*] [*0*]"},      // leading zero, field 0
        {"[[*3*]*]", "[v3*]"},
        {"[*123*] [*", "[*123*] [*"},
        {"[*", "[*"},
        {"", ""},
    };
    for (const auto& c : cases) {
        FakeRecord record;
        EXPECT_EQ(SubstitutePlaceholders(QString::fromUtf8(c.text), record), QString::fromUtf8(c.expected)) << c.text;
    }
}

TEST(Placeholders, TextWithoutOpeningReadsNoField)
{
    FakeRecord record;
    EXPECT_EQ(SubstitutePlaceholders(QStringLiteral("plain *] text"), record), QStringLiteral("plain *] text"));
    EXPECT_EQ(record.reads, 0);
}

// A field holding placeholder text is put in as it is: substituting it again could make the
// text grow exponentially from a few short records.
TEST(Placeholders, InsertedFieldValuesAreNotSubstitutedAgain)
{
    FakeRecord record;
    record.values[1] = "[*2*][*2*]";
    record.values[2] = "[*1*]";
    EXPECT_EQ(SubstitutePlaceholders(QStringLiteral("<[*1*]>"), record), QStringLiteral("<[*2*][*2*]>"));
}

TEST(Placeholders, FieldIsReadOncePerText)
{
    FakeRecord record;
    record.values[7] = "é";
    EXPECT_EQ(SubstitutePlaceholders(QStringLiteral("[*7*][*7*][*7*]"), record), QStringLiteral("ééé"));
    EXPECT_EQ(record.reads, 1);
}

TEST(Placeholders, ContainsPlaceholder)
{
    struct Case {
        const char* text;
        bool expected;
    } cases[] = {
        {"abc [*2*]", true}, {"[*15*]", true}, {"[*12*]", true}, {"[*16*]", false},
        {"[*03*]", false},   {"[*0*]", false}, {"[**]", false},  {"", false},
        {"[*x*] [*9*]", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ContainsPlaceholder(QString::fromLatin1(c.text)), c.expected) << c.text;
}

TEST(Placeholders, ParsePlaceholder)
{
    struct Case {
        const char* text;
        int result;
        int n;
    } cases[] = {
        {"[*3*]", 2, 3},   {"[*15*]", 2, 15}, {"[*03*]", 2, 3},   {"[*16*]", 2, 16},
        {"[*-1*]", 2, -1}, {"[*x*]", 2, 0},   {"[**]", 2, 0},     {"[*]", 2, 0},
        {"[*99999999999*]", 2, 0},            {"[* 3*]", 2, 0},   {"[*", 1, 0},
        {"a[*3*]", 1, 0},  {"[*3*]a", 1, 0},  {"", 1, 0},
    };
    for (const auto& c : cases) {
        const PlaceholderParse parsed = ParsePlaceholder(QString::fromLatin1(c.text));
        EXPECT_EQ(parsed.result, c.result) << c.text;
        EXPECT_EQ(parsed.n, c.n) << c.text;
    }
    EXPECT_EQ(PlaceholderText(3), QStringLiteral("[*3*]"));
}

} // namespace
} // namespace tessaly::values
