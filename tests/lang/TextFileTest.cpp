// TTextFile: line splitting, blank lines, columns, the error texts and buffer boundaries.
#include "lang/TextFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessaly::lang {
namespace {

using test::TempFolder;

std::vector<std::string> readAllLines(TTextFile& file)
{
    std::vector<std::string> lines;
    while (!file.AtEnd()) {
        lines.push_back(file.Line());
        file.NextLine();
    }
    return lines;
}

TEST(TTextFile, SkipsBlankLinesAndStripsLineEnds)
{
    TempFolder folder;
    const auto name = folder.write("a.txt", "\r\n  \t \nfirst\r\n\n\t\r\nsecond;x\n \nlast  \t");
    TTextFile file(';');
    file.Open(name);
    EXPECT_EQ(readAllLines(file), (std::vector<std::string>{"first", "second;x", "last  \t"}));
    EXPECT_TRUE(file.AtEnd());
    EXPECT_EQ(file.LinesRead(), 8);
    EXPECT_FALSE(file.NextLine());
    EXPECT_EQ(file.Column(1), "");
}

TEST(TTextFile, EmptyAndBlankFilesAreAtEndAtOnce)
{
    TempFolder folder;
    for (const char* content : {"", "\n", " \r\n\t\n   "}) {
        TTextFile file(';');
        file.Open(folder.write("blank.txt", content));
        EXPECT_TRUE(file.AtEnd()) << '"' << content << '"';
    }
}

struct ColumnCase {
    const char* name;
    char separator;
    const char* line;
    std::vector<std::string> columns; // columns 1..n; column n + 1 must be empty
};

class TTextFileColumns : public testing::TestWithParam<ColumnCase> {};

TEST_P(TTextFileColumns, SplitsTheLine)
{
    const ColumnCase& c = GetParam();
    TempFolder folder;
    TTextFile file(c.separator);
    file.Open(folder.write("c.txt", std::string(c.line) + "\r\n"));
    for (std::size_t i = 0; i < c.columns.size(); ++i)
        EXPECT_EQ(file.Column(static_cast<int>(i) + 1), c.columns[i]) << "column " << i + 1;
    EXPECT_EQ(file.Column(static_cast<int>(c.columns.size()) + 1), "");
    EXPECT_EQ(file.Column(0), "");
    EXPECT_EQ(file.Column(-1), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TTextFileColumns,
    testing::Values(
        ColumnCase{"LeadingAndDoubleSeparators", ';', ";x;;y", {"", "x", "", "y"}},
        ColumnCase{"FinalSeparatorAddsNothing", ';', "a;b;", {"a", "b"}},
        ColumnCase{"SpacesAreKept", ';', " a ; b", {" a ", " b"}},
        ColumnCase{"OnlySeparators", ';', ";;", {"", "", ""}},
        ColumnCase{"QuotesDoNotProtect", ',', "\"a,b\",c", {"\"a", "b\"", "c"}},
        ColumnCase{"BlankRuns", '\0', "  a \t b\tc  ", {"a", "b", "c"}},
        ColumnCase{"BlankRunsWithSemicolons", '\0', "x;y  z", {"x;y", "z"}}),
    [](const testing::TestParamInfo<ColumnCase>& info) { return std::string(info.param.name); });

TEST(TTextFile, ErrorTexts)
{
    TempFolder folder;
    const std::string missing = (folder.path() / "missing.csv").string();
    TTextFile file(';');
    try {
        file.Open(missing);
        FAIL() << "opened a missing file";
    } catch (const ETextFileError& error) {
        EXPECT_STREQ(error.what(), ("Could not open the file \"" + missing + "\" for reading").c_str());
    }
    EXPECT_THROW(file.Open(folder.path()), ETextFileError) << "a folder is not a file";

    try {
        file.NextLine();
        FAIL() << "read without an open file";
    } catch (const ETextFileError& error) {
        EXPECT_STREQ(error.what(), "No valid file selected");
    }

    const auto name = folder.write("long.txt", "short\n" + std::string(100, 'x') + "\n");
    file.SetMaxLineLength(50);
    file.Open(name);
    try {
        file.NextLine();
        FAIL() << "read an over-long line";
    } catch (const ETextFileError& error) {
        EXPECT_STREQ(error.what(),
                     ("Read error while reading file \"" + name.string() + "\": Invalid file format").c_str());
    }
}

TEST(TTextFile, FixedColumns)
{
    TempFolder folder;
    TTextFile file;
    file.SetFixedColumns({1, 4, 6});
    file.Open(folder.write("f.txt", "abcdefgh\nab\n"));
    EXPECT_EQ(file.Column(1), "abc");
    EXPECT_EQ(file.Column(2), "de");
    EXPECT_EQ(file.Column(3), "fgh");
    try {
        file.Column(4);
        FAIL() << "column without a position";
    } catch (const ETextFileError& error) {
        EXPECT_STREQ(error.what(), "Invalid fixed column position in index 4");
    }
    file.NextLine();
    EXPECT_EQ(file.Column(1), "ab");
    EXPECT_EQ(file.Column(2), "");

    file.SetFixedColumns({3, 2});
    EXPECT_THROW(file.Column(1), ETextFileError) << "positions must increase";
}

// Lines of every length around the 64 KiB buffer, CR LF split across reads, no final line end.
TEST(TTextFile, LinesAcrossBufferBoundaries)
{
    std::string content;
    std::vector<std::string> expected;
    for (int i = 0; content.size() < 400 * 1024; ++i) {
        std::string line = std::to_string(i) + ';' + std::string(static_cast<std::size_t>(i * 37 % 9001), 'a' + i % 26);
        expected.push_back(line);
        content += line + (i % 3 ? "\r\n" : "\n");
        if (i % 5 == 0)
            content += " \t\r\n";
    }
    expected.emplace_back("tail;end");
    content += "tail;end";

    TempFolder folder;
    TTextFile file(';');
    file.Open(folder.write("big.csv", content));
    const std::vector<std::string> lines = readAllLines(file);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        ASSERT_EQ(lines[i], expected[i]) << "line " << i;
}

TEST(TTextFile, ByteOrderMarkIsDroppedOnlyOnRequest)
{
    TempFolder folder;
    const auto name = folder.write("bom.txt", "\xEF\xBB\xBF;a\n");
    TTextFile file(';');
    file.Open(name);
    EXPECT_EQ(file.Column(1), "\xEF\xBB\xBF");
    EXPECT_FALSE(file.HadByteOrderMark());
    file.SetSkipByteOrderMark(true);
    file.Open(name);
    EXPECT_EQ(file.Column(1), "");
    EXPECT_EQ(file.Column(2), "a");
    EXPECT_TRUE(file.HadByteOrderMark());
}

TEST(TTextFile, BytesAreReturnedUnchanged)
{
    TempFolder folder;
    TTextFile file(';');
    file.Open(folder.write("bytes.txt", std::string("\xE9t\xE9;\x00\x81", 6) + "\n"));
    EXPECT_EQ(file.Column(1), "\xE9t\xE9");
    EXPECT_EQ(file.Column(2), std::string("\x00\x81", 2));
}

} // namespace
} // namespace tessaly::lang
