// Windows-1252 <-> UTF-8 conversion.
#include "lang/CodePage.h"

#include <gtest/gtest.h>

namespace tessaly::lang {
namespace {

TEST(CodePage, Windows1252RoundTripsEveryByte)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = Windows1252ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(Utf8ToWindows1252(utf8), all);
    EXPECT_EQ(Windows1252ToUtf8("\x80\xE9\x9C"), "\xE2\x82\xAC\xC3\xA9\xC5\x93");
}

TEST(CodePage, OtherCodePagesByCharset)
{
    EXPECT_EQ(CodePageOfCharset(238), 1250);
    EXPECT_EQ(CodePageOfCharset(0), 1252);
    EXPECT_EQ(CodePageOfCharset(1), 1252);
    EXPECT_EQ(SingleByteToUtf8("\xB9", 1250), "\xC4\x85");         // a with ogonek
    EXPECT_EQ(SingleByteToUtf8("\xC0", 1251), "\xD0\x90");         // Cyrillic A
    EXPECT_EQ(SingleByteToUtf8("\xC1", 1253), "\xCE\x91");         // Greek Alpha
    EXPECT_EQ(SingleByteToUtf8("\xE9", 999), "\xC3\xA9");          // unknown: 1252
    EXPECT_EQ(Utf8ToSingleByte("\xD0\x90\xC3\xA9", 1251), "\xC0?"); // no e acute in 1251
}

TEST(CodePage, Utf8Validation)
{
    EXPECT_TRUE(IsValidUtf8("caf\xC3\xA9 \xF0\x9F\x98\x80"));
    for (const char* bad : {"\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE9t\xE9", "\xFF"})
        EXPECT_FALSE(IsValidUtf8(bad)) << bad;
    EXPECT_EQ(SanitizeUtf8("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(Utf8ToWindows1252("\xE4\xB8\xAD\xC3\xA9"), "?\xE9");
}

} // namespace
} // namespace tessaly::lang
