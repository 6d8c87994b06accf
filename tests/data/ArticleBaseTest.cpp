// The table services: numbering, the list after each kind of restriction, the statements that
// update and delete, single-record writes, sums and the pack at close.
#include "TempFolder.h"

#include "data/ArticleBase.h"
#include "data/ArticleStream.h"
#include "data/Statements.h"
#include "data/dbf/DbfError.h"
#include "data/dbf/DbfTable.h"
#include "data/sql/SqlError.h"

#include <gtest/gtest.h>

namespace tessaly::data {
namespace {

using test::TempFolder;

ArticleRecord Article(std::int64_t num, std::string f1, std::string f2 = "", std::int64_t q = 1, std::string topp = "O")
{
    ArticleRecord r;
    r.num = num;
    r.f[0] = std::move(f1);
    r.f[1] = std::move(f2);
    r.f[2] = "c" + std::to_string(100 - num);
    r.quantite = q;
    r.topp = std::move(topp);
    return r;
}

// The nums of the list, in list order.
std::string Nums(const ArticleList& list)
{
    std::string out;
    for (std::size_t row = 0; row < list.rowCount(); ++row)
        out += (row ? "," : "") + std::string(list.value(row, "num"));
    return out;
}

class ArticleBaseTest : public ::testing::Test {
protected:
    void fill()
    {
        base.appendArticles({Article(1, "apple", "3", 2, "O"), Article(2, "apricot", "7", 1, "N"),
            Article(3, "banana", "5", 4, "O"), Article(4, "Apple pie", "9", 1, "O"), Article(5, "cherry", "1", 3, "N")});
    }
    std::string list(const RestrictionInputs& in, int code = 0, bool desc = false)
    {
        base.prequetebase(fconstruitcritere(in), fconstruittri(code, desc));
        return Nums(base.list());
    }

    TempFolder dir;
    ArticleBase base{dir.folder()};
};

TEST_F(ArticleBaseTest, NumberingFollowsTheLargestNumber)
{
    base.pouvrebase();
    EXPECT_EQ(base.fnumerosuivant(), 1) << "empty table";
    fill();
    EXPECT_EQ(base.fnumerosuivant(), 6);
    base.pexecutesql(DeleteByNumberStatement(5));
    EXPECT_EQ(base.fnumerosuivant(), 5) << "the largest number is given again";
    base.pexecutesql(DeleteByNumberStatement(2));
    EXPECT_EQ(base.fnumerosuivant(), 5);
}

TEST_F(ArticleBaseTest, EmptyTableGivesAnEmptyList)
{
    base.pouvrebase();
    EXPECT_EQ(base.prequetebase("", fconstruittri(0, false)), 0u);
    EXPECT_EQ(base.storedRowCount(), 0u);
    EXPECT_FALSE(base.list().hasCurrentRecord());
    EXPECT_EQ(base.fvaleurchamp(1), "");
    EXPECT_EQ(base.fsommequantite(), 0);
    ASSERT_EQ(base.list().rows().columns().size(), 18u);
    EXPECT_EQ(base.list().rows().columns()[0], "num");
}

TEST_F(ArticleBaseTest, ListAfterEachKindOfRestriction)
{
    fill();
    RestrictionInputs in;
    EXPECT_EQ(list(in), "1,2,3,4,5");
    EXPECT_EQ(list(in, 0, true), "5,4,3,2,1");
    EXPECT_EQ(list(in, 3), "5,4,3,2,1") << "f3 holds c99 .. c95";
    EXPECT_EQ(list(in, 16, true), "3,5,1,4,2") << "equal quantities by f1 ascending (upper case first)";
    EXPECT_EQ(list(in, 17), "2,5,4,1,3") << "N before O, then f1 (upper case first)";

    in.criteria = {{"2", ">", "4", "AND"}};
    EXPECT_EQ(list(in), "2,3,4");
    in.criteria = {{"2", ">", "4", "AND"}, {"1", "=", "banana", "OR"}};
    EXPECT_EQ(list(in), "3");
    in.criteria = {{"1", "=", "cherry", "OR"}, {"2", "=", "3", "AND"}, {"1", "=", "apple", "OR"}};
    EXPECT_EQ(list(in), "1,5");
    in.flags = FlagFilter::NotFlagged;
    EXPECT_EQ(list(in), "5") << "AND binds before OR, as SQL has it";

    RestrictionInputs flagged;
    flagged.flags = FlagFilter::Flagged;
    EXPECT_EQ(list(flagged), "1,3,4");

    RestrictionInputs search;
    search.tab = SearchTab::Simple;
    search.searchField = 1;
    search.searchValue = "ap";
    EXPECT_EQ(list(search), "1,2,4") << "begins with, case-insensitive";
    search.flags = FlagFilter::NotFlagged;
    EXPECT_EQ(list(search), "2");
    search.searchValue = "  ap";
    EXPECT_EQ(list(search), "") << "the typed blanks are kept";
}

TEST_F(ArticleBaseTest, AQuoteInAValueIsMatchedLiterallyAndNeverWidensTheList)
{
    fill();
    base.appendArticles({Article(6, "say \"hi\"", "it's")});
    RestrictionInputs in;
    in.criteria = {{"1", "=", "x\" OR \"1\"=\"1", "AND"}};
    EXPECT_EQ(list(in), "");
    in.criteria = {{"1", "=", "say \"hi\"", "AND"}};
    EXPECT_EQ(list(in), "6");
    in.criteria = {{"2", "=", "it's", "AND"}};
    EXPECT_EQ(list(in), "6");
    RestrictionInputs search;
    search.tab = SearchTab::Simple;
    search.searchValue = "\" OR 1=1 OR f1 like \"";
    EXPECT_EQ(list(search), "");
}

TEST_F(ArticleBaseTest, TheStreamedListGivesTheListsRowsOneAtATime)
{
    fill();
    RestrictionInputs in;
    in.tab = SearchTab::Simple;
    in.searchValue = "ap";   // apple, apricot, Apple pie
    const std::string restriction = fconstruitcritere(in);
    base.prequetebase(restriction, fconstruittri(1, true));
    ArticleStream stream(base, restriction, fconstruittri(1, true));
    ASSERT_EQ(stream.rowCount(), base.list().rowCount());
    EXPECT_FALSE(stream.hasCurrentRecord());
    for (const std::size_t row : {0u, 2u, 1u, 1u}) {   // forward, then back: the query starts again
        ASSERT_TRUE(stream.moveTo(row));
        base.list().moveTo(row);
        EXPECT_EQ(stream.recordNumber(), base.list().recordNumber()) << row;
        EXPECT_EQ(stream.fieldValue(1), base.list().fieldValue(1)) << row;
        EXPECT_EQ(stream.quantity(), base.list().quantity()) << row;
    }
    EXPECT_FALSE(stream.moveTo(3));
    EXPECT_FALSE(stream.hasCurrentRecord());
    EXPECT_EQ(stream.fieldValue(1), "");
}

TEST_F(ArticleBaseTest, ARejectedListStatementKeepsThePreviousList)
{
    fill();
    base.prequetebase("", fconstruittri(0, false));
    EXPECT_THROW(base.prequetebase(" F1 = \"a\" garbage", fconstruittri(0, false)), SqlError);
    EXPECT_EQ(Nums(base.list()), "1,2,3,4,5");
    EXPECT_NO_THROW(base.pexecutesql("delete from nowhere")) << "errors swallowed";
}

TEST_F(ArticleBaseTest, StatementsOnAllRowsReachTheTableScopedByTheRestriction)
{
    fill();
    RestrictionInputs flagged;
    flagged.flags = FlagFilter::Flagged;
    const std::string w = fconstruitcritere(flagged);

    base.pexecutesql(SetQuantityAllStatement(7, w));
    base.pexecutesql(SetFlagAllStatement("N", w));
    EXPECT_EQ(list(flagged), "") << "unflagging all flagged rows empties the flagged list";
    EXPECT_EQ(base.findArticle(1)->quantite, 7);
    EXPECT_EQ(base.findArticle(2)->quantite, 1);
    EXPECT_EQ(base.findArticle(4)->f[0], "Apple pie") << "other fields untouched";

    base.pexecutesql(SetFlagAllStatement("O", ""));
    RestrictionInputs in;
    in.criteria = {{"2", "<", "5", "AND"}};
    base.pexecutesql(DeleteAllStatement(fconstruitcritere(in)));
    EXPECT_EQ(list(RestrictionInputs{}), "2,3,4");
    EXPECT_EQ(list(flagged), "2,3,4");
    base.pexecutesql(DeleteAllStatement(""));
    EXPECT_EQ(list(RestrictionInputs{}), "");
}

TEST_F(ArticleBaseTest, InsertThroughSqlAppendsARecord)
{
    fill();
    EXPECT_EQ(base.executeSql("insert into article (num, f1, quantite, topp) values (9, \"it's\", 2, \"O\")"), 1);
    EXPECT_EQ(base.findArticle(9)->f[0], "it's");
    EXPECT_EQ(base.fnumerosuivant(), 10);
}

TEST_F(ArticleBaseTest, SingleRecordWritesGoThroughTheIndex)
{
    fill();
    EXPECT_TRUE(base.pmajtop(3, "N"));
    EXPECT_TRUE(base.pmajquantite(5, 42));
    EXPECT_FALSE(base.pmajtop(99, "N")) << "an unknown number changes nothing";
    EXPECT_EQ(base.findArticle(3)->topp, "N");
    EXPECT_EQ(base.findArticle(5)->quantite, 42);
    EXPECT_EQ(base.findArticle(5)->f[0], "cherry");

    ArticleRecord changed = Article(0, "new text", "x", 9, "N");
    EXPECT_TRUE(base.writeArticle(2, changed));
    EXPECT_EQ(base.findArticle(2)->num, 2) << "a record keeps its number";
    EXPECT_EQ(base.findArticle(2)->f[0], "new text");
}

TEST_F(ArticleBaseTest, CurrentRowSumAndInPlaceQuantity)
{
    fill();
    base.prequetebase("", fconstruittri(0, false));
    EXPECT_EQ(base.pcomptefiches(), 5u);
    ArticleList& rows = base.list();
    ASSERT_TRUE(rows.moveTo(2));
    EXPECT_EQ(base.fvaleurchamp(1), "banana");
    EXPECT_EQ(rows.recordNumber(), 3);
    EXPECT_EQ(base.fsommequantite(), 2 + 1 + 4 + 1 + 3);
    EXPECT_EQ(rows.currentRow(), 2u) << "the sum keeps the current row";

    base.postQuantity(2, 11);
    EXPECT_EQ(rows.quantity(), 11);
    EXPECT_EQ(base.findArticle(3)->quantite, 11);
    EXPECT_EQ(base.findArticle(3)->f[0], "banana");
    EXPECT_THROW(base.postQuantity(2, 1000), DbfValueError);
    EXPECT_EQ(rows.quantity(), 11) << "a refused quantity leaves the row";

    const ArticleList::Bookmark mark = rows.bookmark();
    rows.first();
    EXPECT_EQ(base.fvaleurchamp(1), "apple");
    rows.gotoBookmark(mark);
    EXPECT_EQ(base.fvaleurchamp(1), "banana");
}

TEST_F(ArticleBaseTest, DeletedRecordsAreHiddenAndRemovedAtClose)
{
    fill();
    base.pexecutesql(DeleteByNumberStatement(2));
    EXPECT_EQ(list(RestrictionInputs{}), "1,3,4,5");
    EXPECT_FALSE(base.findArticle(2));
    EXPECT_EQ(base.runQuery("select count(*) from article").value(0, 0), "4");
    base.pfermebase();
    EXPECT_TRUE(base.pcompactebase());
    EXPECT_EQ(DbfTable(dir.file("article.dbf")).recordCount(), 4u);
    EXPECT_EQ(list(RestrictionInputs{}), "1,3,4,5") << "a statement opens the closed table";
}

TEST_F(ArticleBaseTest, TheIndexIsRebuiltWhenMissingOrStale)
{
    fill();
    base.pfermebase();
    std::remove(dir.file("article.mdx").c_str());
    base.pouvrebase();
    EXPECT_TRUE(std::filesystem::exists(dir.file("article.mdx")));
    EXPECT_EQ(base.findArticle(4)->f[0], "Apple pie");

    // Another program changes a number behind the index: the lookup still finds the record.
    {
        DbfTable other(dir.file("article.dbf"));
        other.updateFields(3, {{0, "40"}});
    }
    EXPECT_EQ(base.findArticle(40)->f[0], "Apple pie");
    EXPECT_FALSE(base.findArticle(4));
}

} // namespace
} // namespace tessaly::data
