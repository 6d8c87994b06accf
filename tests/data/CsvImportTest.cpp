// The CSV import: a table of (file content, settings) -> stored records, numbering, errors,
// encodings, the preview and the automatic import.
#include "TempFolder.h"

#include "data/ArticleBase.h"
#include "data/Statements.h"
#include "data/csv/CsvImport.h"
#include "data/dbf/DbfTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace tessaly::data {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

// The live records as "num:f1|f2|...|f15:quantite:topp" lines, trailing empty fields dropped.
std::string Dump(ArticleBase& base)
{
    std::string out;
    DbfTable& t = base.tarticle();
    t.refresh();
    const ArticleLayout layout(t);
    for (std::uint32_t r = 0; r < t.recordCount(); ++r) {
        if (t.isDeleted(r))
            continue;
        const ArticleRecord a = layout.decode(r);
        std::string fields;
        std::size_t last = 0;
        for (std::size_t i = 0; i < 15; ++i)
            if (!a.f[i].empty())
                last = i + 1;
        for (std::size_t i = 0; i < last; ++i)
            fields += (i ? "|" : "") + a.f[i];
        out += std::to_string(a.num) + ":" + fields + ":" + std::to_string(a.quantite) + ":" + a.topp + "\n";
    }
    return out;
}

ImportSettings Settings(int separator = 0, int headerLines = 0, int quantity = kNoColumn)
{
    ImportSettings s; // the defaults: f1-f3 from column 1, f4 from 2, f5 from 3
    s.separatorIndex = separator;
    s.headerLines = headerLines;
    s.quantitySource = quantity;
    return s;
}

ImportSettings Identity(int separator, int quantity = kNoColumn)
{
    ImportSettings s = Settings(separator, 0, quantity);
    for (int n = 0; n < 15; ++n)
        s.fieldColumn[static_cast<std::size_t>(n)] = n;
    return s;
}

TEST(CsvImport, LinesBecomeRecords)
{
    const struct {
        const char* name;
        std::string content;
        ImportSettings settings;
        std::string records;
    } cases[] = {
        {"defaults", "a,b,c\n", Settings(), "1:a|a|a|b|c:1:O\n"},
        {"empty fields with ;", ";x;;y\n", Identity(1), "1:|x||y:1:O\n"},
        {"final separator adds nothing", "a;b;\n", Identity(1), "1:a|b:1:O\n"},
        {"pipe separator, CR LF ends", "p|q\r\nr|s\r\n", Identity(2), "1:p|q:1:O\n2:r|s:1:O\n"},
        {"quotes removed, do not protect", "\"12\",\"x,y\"\n", Identity(0), "1:12|x|y:1:O\n"},
        {"quoted quantity gives 1", "\"12\"\n", Identity(0, 0), "1:12:1:O\n"},
        {"quantity column", "a,7\nb,x\nc, 3 \nd,-2\n", Identity(0, 1),
            "1:a|7:7:O\n2:b|x:1:O\n3:c| 3:3:O\n4:d|-2:-2:O\n"},
        {"fixed quantities", "a\n", Identity(0, kQuantityZero), "1:a:0:O\n"},
        {"fixed quantity one", "a\n", Identity(0, kQuantityOne), "1:a:1:O\n"},
        {"blank lines skipped, leading blanks kept (trailing ones are the padding)", "\n  \n a ,b\n\t\n\nc\n", Identity(0),
            "1: a|b:1:O\n2:c:1:O\n"},
        {"two header lines, the blank one not counted", "Title\n\nCol1,Col2\nv1,v2\n", Settings(0, 2),
            "1:v1|v1|v1|v2:1:O\n"},
        {"header lines only", "h1\nh2\n", Settings(0, 2), ""},
        {"empty file", "", Settings(), ""},
        {"last line without end", "a\nb", Identity(0), "1:a:1:O\n2:b:1:O\n"},
        {"more columns than fields", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17\n", Identity(0),
            "1:1|2|3|4|5|6|7|8|9|10|11|12|13|14|15:1:O\n"},
        {"Windows-1252 bytes", "caf\xE9,\x80 5\n", Identity(0), "1:café|€ 5:1:O\n"},
        {"UTF-8 text", "café,€ 5,日本\n", Identity(0), "1:café|€ 5|??:1:O\n"},
        {"UTF-8 with a byte order mark", "\xEF\xBB\xBFx,y\n", Identity(0), "1:x|y:1:O\n"},
        {"text cut to the field width", std::string(150, 'z') + "\n", Identity(0),
            "1:" + std::string(100, 'z') + ":1:O\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        WriteFile(dir.file("in.csv"), c.content);
        ArticleBase base(dir.folder());
        const ImportResult result = ImportCsv(base, dir.file("in.csv"), c.settings);
        EXPECT_TRUE(result.ok()) << result.error;
        EXPECT_EQ(Dump(base), c.records);
        EXPECT_EQ(base.fnumerosuivant(), static_cast<std::int64_t>(result.imported) + 1);
    }
}

TEST(CsvImport, NumbersFollowTheLargestNumberOfTheTable)
{
    TempFolder dir;
    ArticleBase base(dir.folder());
    ArticleRecord r;
    r.num = 17;
    base.appendArticles({r});
    WriteFile(dir.file("in.csv"), "a\nb\n");
    ASSERT_TRUE(ImportCsv(base, dir.file("in.csv"), Settings()).ok());
    base.prequetebase("", fconstruittri(0, false));
    ASSERT_EQ(base.list().rowCount(), 3u);
    EXPECT_EQ(base.list().value(1, "num"), "18");
    EXPECT_EQ(base.list().value(2, "num"), "19");
}

TEST(CsvImport, ErrorsKeepTheRecordsStoredBefore)
{
    TempFolder dir;
    ArticleBase base(dir.folder());
    const ImportResult missing = ImportCsv(base, dir.file("none.csv"), Settings());
    EXPECT_EQ(missing.error, "Could not open the file \"" + dir.file("none.csv") + "\" for reading");
    const ImportResult folder = ImportCsv(base, dir.folder(), Settings());
    EXPECT_FALSE(folder.ok());
    EXPECT_EQ(Dump(base), "");

    // A quantity the table cannot hold stops the import at that line.
    WriteFile(dir.file("in.csv"), "a,5\nb,1000\nc,6\n");
    const ImportResult tooBig = ImportCsv(base, dir.file("in.csv"), Identity(0, 1));
    EXPECT_EQ(tooBig.imported, 1u);
    EXPECT_EQ(tooBig.error, "The value 1000 does not fit the field quantite (N 3,0) (line 2 of \"" + dir.file("in.csv") + "\")");
    EXPECT_EQ(Dump(base), "1:a|5:5:O\n");
}

TEST(CsvImport, UnreadableFileGivesTheReadErrorAndKeepsEarlierRecords)
{
    TempFolder dir;
    ArticleBase base(dir.folder());
    // A line longer than the reader accepts is a read error after the first lines.
    std::string content = "a\nb\n" + std::string(17u << 20, 'x') + "\nc\n";
    WriteFile(dir.file("in.csv"), content);
    const ImportResult result = ImportCsv(base, dir.file("in.csv"), Identity(0));
    EXPECT_EQ(result.error, "Read error while reading file \"" + dir.file("in.csv") + "\": Invalid file format");
    EXPECT_EQ(Dump(base), "1:a:1:O\n2:b:1:O\n");
}

TEST(CsvImport, LinesAreNotStoredWhileAnotherHolderKeepsTheAppendLock)
{
    TempFolder dir;
    ArticleBase base(dir.folder());
    base.pouvrebase();
    DbfTable other(dir.file("article.dbf"));
    ASSERT_TRUE(other.lockAppend());
    WriteFile(dir.file("in.csv"), "a\nb\n");
    const ImportResult result = ImportCsv(base, dir.file("in.csv"), Settings());
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.imported, 0u);
    EXPECT_EQ(result.notStored, 2u);
    other.unlockAppend();
    EXPECT_EQ(Dump(base), "");
}

TEST(CsvImport, PreviewShowsAtMost101LinesAsRead)
{
    TempFolder dir;
    std::string content = "header\n";
    for (int i = 1; i <= 150; ++i)
        content += "\"q" + std::to_string(i) + "\";x\n";
    WriteFile(dir.file("in.csv"), content);
    const CsvPreview preview = PreviewCsv(dir.file("in.csv"), ';', 1);
    ASSERT_EQ(preview.rows.size(), 101u);
    EXPECT_EQ(preview.rows[0][0], "\"q1\"");
    EXPECT_EQ(preview.rows[0][1], "x");
    EXPECT_EQ(preview.rows[100][0], "\"q101\"");
    EXPECT_EQ(PreviewCsv(dir.file("none.csv"), ';', 0).error,
        "Could not open the file \"" + dir.file("none.csv") + "\" for reading");

    ArticleBase base(dir.folder());
    EXPECT_EQ(ImportCsv(base, dir.file("in.csv"), Settings(1, 1)).imported, 150u) << "the import reads all lines";
}

TEST(CsvImport, AutomationReplacesTheTableAndKeepsItsFile)
{
    TempFolder dir;
    ArticleBase base(dir.folder());
    ArticleRecord old;
    old.num = 40;
    old.f[0] = "old";
    base.appendArticles({old});

    EXPECT_FALSE(FindAutomationFile(dir.folder()));
    WriteFile(dir.file("impdataautoprintquit.csv"), "q\n");
    WriteFile(dir.file("impdataauto.csv"), "x;1\ny;2\n");
    const auto found = FindAutomationFile(dir.folder());
    ASSERT_TRUE(found);
    EXPECT_EQ(found->mode, 1) << "impdataauto.csv wins";

    ImportSettings stored = Identity(1, 1);
    stored.valid = true;
    stored.path = "/somewhere/else.csv";
    const AutomationImport run = RunAutomationImport(base, dir.folder(), found->path, stored);
    EXPECT_TRUE(run.result.ok()) << run.result.error;
    EXPECT_EQ(Dump(base), "1:x|1:1:O\n2:y|2:2:O\n");
    EXPECT_EQ(run.settings.path, found->path);
    EXPECT_EQ(run.settings.separatorIndex, 1);
    EXPECT_TRUE(std::filesystem::exists(found->path)) << "the automation file is never deleted";
}

} // namespace
} // namespace tessaly::data
