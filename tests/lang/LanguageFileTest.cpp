// The language file "tessaly.lg": header, text lines, blank lines, character sets and the
// fallbacks for missing or damaged files.
#include "lang/InterfaceFont.h"
#include "lang/LanguageFile.h"
#include "lang/UIText.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <optional>

namespace tessaly::lang {
namespace {

using test::TempFolder;

// The ten header lines: name, font, character set, then seven ignored lines.
std::string header(const std::string& font = "Arial", const std::string& charset = "0")
{
    std::string text = "Langue;English\r\nFont;" + font + "\r\nCharset;" + charset + "\r\n";
    for (int line = 4; line <= 10; ++line)
        text += "ignored " + std::to_string(line) + ";x\r\n";
    return text;
}

struct LanguageFileCase {
    const char* name;
    std::optional<std::string> content; // nullopt: no file
    bool loaded;
    std::map<int, std::string> texts; // texts to check; every other one must be empty
    std::string font = "";
    int charset = 0;
};

std::string repeatedTextLines(int count)
{
    std::string lines;
    for (int k = 1; k <= count; ++k)
        lines += "t" + std::to_string(k) + "\n";
    return lines;
}

// Texts 1..count as "t1", "t2", ...
std::map<int, std::string> textsT(int count)
{
    std::map<int, std::string> texts;
    for (int k = 1; k <= count; ++k)
        texts[k] = "t" + std::to_string(k);
    return texts;
}

void PrintTo(const LanguageFileCase& c, std::ostream* os) { *os << c.name; }

class LanguageFileCases : public testing::TestWithParam<LanguageFileCase> {};

TEST_P(LanguageFileCases, Load)
{
    const LanguageFileCase& c = GetParam();
    TempFolder folder;
    if (c.content)
        folder.write(kLanguageFileName, *c.content);
    Tgerelanguage language(folder.path() / kLanguageFileName);
    EXPECT_EQ(language.Load(), c.loaded);
    EXPECT_EQ(language.Loaded(), c.loaded);
    if (!c.loaded)
        return;
    for (int n = 1; n <= Tgerelanguage::kTextCount; ++n) {
        const auto expected = c.texts.find(n);
        EXPECT_EQ(language.Text(n), expected == c.texts.end() ? "" : expected->second) << "text " << n;
    }
    EXPECT_EQ(language.FontName(), c.font);
    EXPECT_EQ(language.Charset(), c.charset);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageFileCases,
    testing::Values(
        LanguageFileCase{"Missing", std::nullopt, false, {}},
        LanguageFileCase{"NineLinesHaveNoTexts",
                         "Langue;English\nFont;Tahoma\nCharset;238\n1\n2\n3\n4\n5\n6\n", true, {}, "Tahoma", 238},
        LanguageFileCase{"EmptyFileGivesEmptyTexts", "", true, {}, "", 1},
        LanguageFileCase{"ColumnTwoWinsOverColumnOne",
                         header() + "Largeur;Width\nLargeur\nLargeur;\nLargeur;   \nLargeur; Width\nLargeur;Width;more\n;\n",
                         true,
                         {{1, "Width"}, {2, "Largeur"}, {3, "Largeur"}, {4, "Largeur"}, {5, " Width"}, {6, "Width"}},
                         "Arial",
                         0},
        LanguageFileCase{"BlankLinesDoNotCount",
                         "\r\n" + header() + "\n   \none\r\n \t \r\n\r\ntwo\n\nthree",
                         true,
                         {{1, "one"}, {2, "two"}, {3, "three"}},
                         "Arial",
                         0},
        LanguageFileCase{"EmptyFontNameMeansSystemFont", header("", "204") + "x;y\n", true, {{1, "y"}}, "", 204},
        LanguageFileCase{"CharsetNotAnIntegerCountsAsOne", header("Arial", "abc") + "x\n", true, {{1, "x"}}, "Arial", 1},
        LanguageFileCase{"CharsetWithTrailingGarbage", header("Arial", "12px"), true, {}, "Arial", 1},
        LanguageFileCase{"CharsetWithLeadingBlanks", header("Arial", "  161"), true, {}, "Arial", 161},
        LanguageFileCase{"AtMost300Texts",
                         header() + repeatedTextLines(305),
                         true,
                         textsT(300),
                         "Arial",
                         0},
        LanguageFileCase{"Windows1252IsConvertedToUtf8",
                         header() + "D\xE9" "finition\n;\x80 5\n",
                         true,
                         {{1, "D\xC3\xA9" "finition"}, {2, "\xE2\x82\xAC 5"}},
                         "Arial",
                         0},
        LanguageFileCase{"CharsetChoosesTheCodePage",
                         header("Arial", "204") + "\xCF\xF0\xE8\xED\xF2\n",
                         true,
                         {{1, "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xBD\xD1\x82"}}, // Cyrillic "Print"
                         "Arial",
                         204},
        LanguageFileCase{"Utf8IsKept", header() + "D\xC3\xA9" "finition\n", true, {{1, "D\xC3\xA9" "finition"}}, "Arial", 0},
        LanguageFileCase{"Utf8WithByteOrderMark",
                         "\xEF\xBB\xBF" + header("Ar\xC3\xAD" "al") + "\xC3\xA9t\xC3\xA9\n",
                         true,
                         {{1, "\xC3\xA9t\xC3\xA9"}},
                         "Ar\xC3\xAD" "al",
                         0},
        LanguageFileCase{"NulBytesMeanNotALanguageFile", header() + std::string("a\0b\n", 4), false, {}},
        LanguageFileCase{"Utf16IsNotALanguageFile", std::string("\xFF\xFEL\0a\0;\0x\0\r\0\n\0", 14), false, {}},
        LanguageFileCase{"OverlongLineIsRejected", header() + std::string(Tgerelanguage::kMaxLineLength + 1, 'x'), false, {}}),
    [](const testing::TestParamInfo<LanguageFileCase>& info) { return std::string(info.param.name); });

TEST(Tgerelanguage, AFolderNamedLikeTheFileIsIgnored)
{
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / kLanguageFileName);
    Tgerelanguage language(folder.path() / kLanguageFileName);
    EXPECT_FALSE(language.Load());
}

TEST(Tgerelanguage, SlotsHoldHeaderFontAndCharset)
{
    TempFolder folder;
    folder.write(kLanguageFileName, header("Verdana", "0") + "a\n");
    Tgerelanguage language(folder.path() / kLanguageFileName);
    ASSERT_TRUE(language.Load());
    EXPECT_EQ(language.Slot(0), "a");
    EXPECT_EQ(language.Slot(300), "English");
    EXPECT_EQ(language.Slot(301), "Verdana");
    EXPECT_EQ(language.Slot(302), "0");
    EXPECT_EQ(language.Slot(303), "");
    EXPECT_EQ(language.Text(0), "");
    EXPECT_EQ(language.Text(301), "");
}

// Lookup order: a loaded file replaces the whole table; otherwise the built-in column.
TEST(InterfaceLanguage, FileReplacesTheBuiltInTable)
{
    TempFolder folder;
    InterfaceLanguage language;
    EXPECT_FALSE(language.Load(folder.path()));
    language.SetLanguage(kFrench);
    EXPECT_EQ(language.Text(12), "Largeur");
    language.SetLanguage(kEnglish);
    EXPECT_EQ(language.Text(4), "Infos");
    EXPECT_EQ(language.Text(6), "Help");
    language.SetLanguage(3);
    EXPECT_EQ(language.Text(6), "");

    folder.write(kLanguageFileName, header() + "Charger;Laden\n");
    ASSERT_TRUE(language.Load(folder.path()));
    EXPECT_EQ(language.Text(1), "Laden");
    EXPECT_EQ(language.Text(6), "") << "texts missing from the file are empty, not built-in";
    EXPECT_EQ(language.Text(301), "");
}

TEST(InterfaceLanguage, DamagedFileFallsBackToTheBuiltInTable)
{
    TempFolder folder;
    folder.write(kLanguageFileName, header() + std::string("x\0y\n", 4));
    InterfaceLanguage language;
    EXPECT_FALSE(language.Load(folder.path()));
    language.SetLanguage(kEnglish);
    EXPECT_EQ(language.Text(6), "Help");
}

TEST(InterfaceFont, ChoiceFollowsTheLoadedFile)
{
    struct Case {
        const char* name;
        std::optional<std::string> content;
        bool system;
        std::string font;
        int charset;
    };
    const Case cases[] = {
        {"no file", std::nullopt, true, "", 1},
        {"named font", header("Tahoma", "238"), false, "Tahoma", 238},
        {"blanks around the name", header("  Tahoma \t", "0"), false, "Tahoma", 1},
        {"charset 0 counts as 1", header("Tahoma", "0"), false, "Tahoma", 1},
        {"negative charset", header("Tahoma", "-5"), false, "Tahoma", 1},
        {"empty name", header("", "238"), true, "", 1},
        {"blank name", header("   ", "238"), true, "", 1},
        {"damaged file", header("Tahoma", "238") + std::string("\0", 1), true, "", 1},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        if (c.content)
            folder.write(kLanguageFileName, *c.content);
        Tgerelanguage language(folder.path() / kLanguageFileName);
        language.Load();
        const InterfaceFontChoice choice = ChooseInterfaceFont(language);
        EXPECT_EQ(choice.useSystemMenuFont, c.system) << c.name;
        EXPECT_EQ(choice.name, c.font) << c.name;
        EXPECT_EQ(choice.charset, c.charset) << c.name;
        EXPECT_EQ(choice.size, 0) << c.name;
    }
}

TEST(InterfaceFont, EditsMemosPanelsAndPageControlsKeepTheirFonts)
{
    for (auto kind : {FontControlKind::Edit, FontControlKind::Memo, FontControlKind::Panel,
                      FontControlKind::PageControl, FontControlKind::Other})
        EXPECT_FALSE(TakesInterfaceFont(kind));
    for (auto kind : {FontControlKind::GroupBox, FontControlKind::Label, FontControlKind::SpeedButton,
                      FontControlKind::TabSheet, FontControlKind::DatabaseGrid, FontControlKind::CheckBox})
        EXPECT_TRUE(TakesInterfaceFont(kind));
    EXPECT_TRUE(TitlesTakeInterfaceFont(FontControlKind::DatabaseGrid));
    EXPECT_FALSE(TitlesTakeInterfaceFont(FontControlKind::StringGrid));
}

// The sample file shipped for translators loads, and shows the English font and texts.
TEST(Tgerelanguage, SampleFixture)
{
    Tgerelanguage language(std::filesystem::path(TESSALY_FIXTURES) / "lang" / "sample-1252.lg");
    ASSERT_TRUE(language.Load());
    EXPECT_EQ(language.HeaderText(), "Deutsch");
    EXPECT_EQ(language.FontName(), "DejaVu Sans");
    EXPECT_EQ(language.Charset(), 0);
    EXPECT_EQ(language.Text(1), "Sicherung laden");
    EXPECT_EQ(language.Text(3), "");
    EXPECT_EQ(language.Text(8), "Etikettengr\xC3\xB6\xC3\x9F" "e");
    EXPECT_EQ(language.Text(12), "Largeur") << "no column 2: column 1 is used";
}

} // namespace
} // namespace tessaly::lang
