// The dBase table file: creation, another reader's view, damaged files, values that do not fit,
// pack, append from another table and two processes writing at once.
#include "TempFolder.h"

#include "data/ArticleBase.h"
#include "data/Statements.h"
#include "data/dbf/DbfError.h"
#include "data/dbf/DbfTable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace tessaly::data {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

// A python3 that has dbfread, or empty.
std::string PythonWithDbfread()
{
    for (const char* python : {"/usr/bin/python3", "python3"}) {
        const std::string command = std::string(python) + " -c 'import dbfread' >/dev/null 2>&1";
        if (std::system(command.c_str()) == 0)
            return python;
    }
    return {};
}

// Runs dbfread on the table and returns what it printed: one line per record,
// "field=value|field=value...", values repr()-ed.
std::string ReadWithDbfread(const std::string& path)
{
    const std::string python = PythonWithDbfread();
    if (python.empty())
        return {};
    const std::string script = "import dbfread,sys\n"
                               "t=dbfread.DBF(sys.argv[1], char_decode_errors='strict')\n"
                               "print(','.join('%s:%s:%d' % (f.name,f.type,f.length) for f in t.fields))\n"
                               "for r in t: print('|'.join('%s=%r' % (k,v) for k,v in r.items()))\n";
    WriteFile(path + ".py", script);
    std::string out;
    FILE* pipe = ::popen((python + " " + path + ".py " + path + " 2>&1").c_str(), "r");
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    ::pclose(pipe);
    return out;
}

ArticleRecord Article(std::int64_t num, const std::string& f1, std::int64_t quantity = 1)
{
    ArticleRecord r;
    r.num = num;
    r.f[0] = f1;
    r.quantite = quantity;
    return r;
}

TEST(DbfTable, CreatedFromNothingWithTheDefaultSchemaAndReadByAnotherReader)
{
    TempFolder dir;
    {
        ArticleBase base(dir.folder());
        base.pouvrebase();
        base.appendArticles({Article(1, "Crème brûlée €5"), Article(2, "  left blanks", 12)});
    }
    const std::string bytes = ReadFile(dir.file("article.dbf"));
    ASSERT_GE(bytes.size(), 609u + 2 * 1512 + 1);
    EXPECT_EQ(bytes[0], 0x03);
    EXPECT_EQ(static_cast<unsigned char>(bytes[8]) | static_cast<unsigned char>(bytes[9]) << 8, 609); // 32 + 18*32 + 1
    EXPECT_EQ(static_cast<unsigned char>(bytes[10]) | static_cast<unsigned char>(bytes[11]) << 8, 1512);
    EXPECT_EQ(bytes[28], 0) << "no production index is claimed";
    EXPECT_EQ(bytes[29], 0x03) << "language driver Windows-1252";
    EXPECT_EQ(static_cast<unsigned char>(bytes.back()), 0x1A);

    DbfTable table(dir.file("article.dbf"));
    EXPECT_EQ(table.fieldDescriptorTexts().front(), "num, N, 6, 0");
    EXPECT_EQ(table.fieldDescriptorTexts()[3], "f3, C, 100, 0");
    EXPECT_EQ(table.fieldDescriptorTexts().back(), "topp, C, 2, 0");
    EXPECT_EQ(table.rawField(0, 0), "     1");

    const std::string seen = ReadWithDbfread(dir.file("article.dbf"));
    if (seen.empty())
        GTEST_SKIP() << "python3 with dbfread not available";
    EXPECT_NE(seen.find("num:N:6,f1:C:100,"), std::string::npos) << seen;
    EXPECT_NE(seen.find("quantite:N:3,topp:C:2"), std::string::npos) << seen;
    EXPECT_NE(seen.find("num=1|f1='Crème brûlée €5'|f2=''"), std::string::npos) << seen;
    EXPECT_NE(seen.find("num=2|f1='  left blanks'"), std::string::npos) << seen;
    EXPECT_NE(seen.find("quantite=12|topp='O'"), std::string::npos) << seen;
}

TEST(DbfTable, WideTextFieldsUseTheHighByteOfTheDecimals)
{
    TempFolder dir;
    const std::string path = dir.file("wide.dbf");
    DbfTable::Create(path, {ParseFieldDescriptor("num,N,6,0"), ParseFieldDescriptor("f1,C,300,0")});
    {
        DbfTable table(path);
        std::string record = table.blankRecord();
        table.setField(record, 1, std::string(299, 'x') + "yz"); // one too many: cut
        table.lockAppend();
        table.appendRecords(record);
        table.unlockAppend();
    }
    DbfTable table(path);
    EXPECT_EQ(table.fields()[1].width, 300);
    EXPECT_EQ(table.text(0, 1), std::string(299, 'x') + "y");
    const std::string seen = ReadWithDbfread(path);
    if (seen.empty())
        GTEST_SKIP() << "python3 with dbfread not available";
    EXPECT_NE(seen.find("f1:C:300"), std::string::npos) << seen;
    EXPECT_NE(seen.find("f1='" + std::string(299, 'x') + "y'"), std::string::npos);
}

TEST(DbfTable, DamagedFilesGiveAClearErrorAndAreNeverRewritten)
{
    TempFolder dir;
    {
        ArticleBase base(dir.folder());
        base.pouvrebase();
        base.appendArticles({Article(1, "a"), Article(2, "b")});
    }
    const std::string good = ReadFile(dir.file("article.dbf"));
    const auto withByte = [&](std::size_t at, char value) {
        std::string s = good;
        s[at] = value;
        return s;
    };
    const struct {
        const char* name;
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"empty", "", "too short"},
        {"truncated record", good.substr(0, 609 + 1512 + 100), "more records than the file holds"},
        {"count lies", withByte(4, 9), "more records than the file holds"},
        {"record length lies", withByte(10, static_cast<char>(0xE9)), "record length"},
        {"header length lies", withByte(9, 0x70), "header length"},
        {"bad field type", withByte(32 + 11, 'Q'), "unsupported field type"},
        {"zero width", withByte(32 + 16, 0), "width"},
        {"no end of fields", withByte(608, 'x'), "cut short"},
        {"not a table", withByte(0, 0x7F), "not a dBase table"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(dir.file("article.dbf"), c.bytes);
        ArticleBase base(dir.folder());
        try {
            base.pouvrebase();
            ADD_FAILURE() << "opened a damaged table";
        } catch (const DbfError& e) {
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("article.dbf"), std::string::npos) << e.what();
        }
        base.pfermebase();
        EXPECT_FALSE(base.pcompactebase());
        EXPECT_EQ(ReadFile(dir.file("article.dbf")), c.bytes);
    }
}

TEST(DbfTable, ValuesThatDoNotFitAreRefusedAndTheRecordKept)
{
    TempFolder dir;
    ArticleBase base(dir.folder());
    base.appendArticles({Article(7, "kept", 5)});
    const std::string before = ReadFile(dir.file("article.dbf"));

    EXPECT_THROW(base.updateByNumber(7, "quantite", "1000"), DbfValueError);
    EXPECT_THROW(base.updateByNumber(7, "quantite", "abc"), DbfValueError);
    EXPECT_FALSE(base.pmajquantite(7, 1000));
    EXPECT_THROW(base.appendArticles({Article(1000000, "too big")}), DbfValueError);
    EXPECT_THROW(base.executeSql("UPDATE article  SET quantite=1000"), std::runtime_error);
    try {
        base.updateByNumber(7, "quantite", "1000");
    } catch (const DbfValueError& e) {
        EXPECT_STREQ(e.what(), "The value 1000 does not fit the field quantite (N 3,0)");
    }
    EXPECT_EQ(ReadFile(dir.file("article.dbf")), before);

    EXPECT_TRUE(base.pmajquantite(7, 999));
    EXPECT_TRUE(base.pmajquantite(7, -99));
    EXPECT_EQ(base.findArticle(7)->quantite, -99);
}

// Resident kilobytes of this process's mappings of `file` (from /proc/self/smaps).
long ResidentKiBOf(const std::string& file)
{
    std::ifstream smaps("/proc/self/smaps");
    long total = 0;
    bool inFile = false;
    for (std::string line; std::getline(smaps, line);) {
        unsigned long start = 0, end = 0;
        char permissions[5] = {};
        if (std::sscanf(line.c_str(), "%lx-%lx %4s", &start, &end, permissions) == 3)   // a mapping's first line
            inFile = line.size() >= file.size() && line.compare(line.size() - file.size(), file.size(), file) == 0;
        else if (inFile && line.rfind("Rss:", 0) == 0)
            total += std::stol(line.substr(4));
    }
    return total;
}

TEST(DbfTable, ScansOfALargeTableHoldAWindowOfItNotTheWholeFile)
{
    TempFolder dir;
    constexpr int kRecords = 24000;   // 36 MB of records
    {
        ArticleBase base(dir.folder());
        std::vector<ArticleRecord> records;
        for (int n = 1; n <= kRecords; ++n)
            records.push_back(Article(n, "r" + std::to_string(n)));
        base.appendArticles(records);
    }
    ArticleBase base(dir.folder());   // reopening rebuilds and saves the index: one scan
    ASSERT_EQ(base.prequetebase("", fconstruittri(0, false)), std::size_t(kRecords));   // the list query: another
    EXPECT_LT(ResidentKiBOf(dir.file("article.dbf")), 20 * 1024);
    for (const int row : {0, 9000, kRecords - 1})
        EXPECT_EQ(base.list().value(std::size_t(row), "f1"), "r" + std::to_string(row + 1));
    EXPECT_EQ(base.findArticle(17000)->f[0], "r17000");
}

TEST(DbfTable, PackRemovesDeletedRecordsOnly)
{
    TempFolder dir;
    {
        ArticleBase base(dir.folder());
        std::vector<ArticleRecord> records;
        for (int n = 1; n <= 5; ++n)
            records.push_back(Article(n, "r" + std::to_string(n), n));
        base.appendArticles(records);
        base.pexecutesql("delete from article where num=2");
        base.pexecutesql("delete from article where num=4");
        EXPECT_EQ(base.tarticle().recordCount(), 5u) << "deleted records keep their place until the pack";
        EXPECT_TRUE(base.pcompactebase());
        EXPECT_TRUE(base.isOpen()) << "the table gets its open state back";
        EXPECT_EQ(base.findArticle(5)->f[0], "r5") << "the index follows the moved records";
    }
    DbfTable table(dir.file("article.dbf"));
    ASSERT_EQ(table.recordCount(), 3u);
    EXPECT_EQ(table.text(0, 1), "r1");
    EXPECT_EQ(table.text(1, 1), "r3");
    EXPECT_EQ(table.text(2, 1), "r5");
    EXPECT_EQ(ReadFile(dir.file("article.dbf")).size(), 609u + 3 * 1512 + 1);
}

TEST(DbfTable, AppendFromMatchesFieldsByNameAndCutsTexts)
{
    TempFolder dir;
    {
        ArticleBase base(dir.folder());
        base.appendArticles({Article(1, "abcdefgh", 3), Article(2, "xy", 4)});
        base.pexecutesql("delete from article where num=2");
    }
    std::vector<FieldDescriptor> fields = ArticleSchemaWithWidths(std::vector<int>(15, 100));
    fields[1].name = "F1";
    fields[1].width = 4;
    DbfTable::Create(dir.file("junk.dbf"), fields);
    DbfTable junk(dir.file("junk.dbf"));
    EXPECT_EQ(junk.appendFrom(dir.file("article.dbf")), 1u);
    ASSERT_EQ(junk.recordCount(), 1u);
    EXPECT_EQ(junk.text(0, 1), "abcd");
    EXPECT_EQ(junk.integer(0, junk.fieldIndex("quantite")), 3);
}

TEST(DbfTable, TwoProcessesAppendingAndWritingDoNotCorruptTheTable)
{
    TempFolder dir;
    ArticleBase(dir.folder()).pouvrebase();
    constexpr int kEach = 200;
    const auto work = [&](int offset) {
        ArticleBase base(dir.folder());
        for (int i = 0; i < kEach; ++i) {
            base.appendArticles({Article(offset + i, "p" + std::to_string(offset + i), 1)});
            base.pmajquantite(offset + i, 2);
        }
    };
    const pid_t child = ::fork();
    if (child == 0) {
        work(100000);
        std::_Exit(0);
    }
    work(200000);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    DbfTable table(dir.file("article.dbf"));
    ASSERT_EQ(table.recordCount(), 2u * kEach);
    for (std::uint32_t r = 0; r < table.recordCount(); ++r) {
        const std::int64_t num = table.integer(r, 0).value_or(-1);
        ASSERT_TRUE((num >= 100000 && num < 100000 + kEach) || (num >= 200000 && num < 200000 + kEach)) << r;
        EXPECT_EQ(table.text(r, 1), "p" + std::to_string(num));
        EXPECT_EQ(table.integer(r, table.fieldIndex("quantite")), 2);
    }
}

} // namespace
} // namespace tessaly::data
