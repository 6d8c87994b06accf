// The texts of the restriction, the order and the statements, blank for blank.
#include "data/Statements.h"

#include <gtest/gtest.h>

namespace tessaly::data {
namespace {

const std::string Q = "\"";

TEST(Statements, RestrictionTexts)
{
    const auto criteria = [](std::vector<Criterion> list, FlagFilter flags = FlagFilter::All) {
        RestrictionInputs in;
        in.criteria = std::move(list);
        in.flags = flags;
        return in;
    };
    const auto search = [](int field, std::string value, FlagFilter flags = FlagFilter::All) {
        RestrictionInputs in;
        in.tab = SearchTab::Simple;
        in.searchField = field;
        in.searchValue = std::move(value);
        in.flags = flags;
        in.criteria = {{"1", "=", "ignored on this tab", "AND"}};
        return in;
    };
    const struct {
        const char* name;
        RestrictionInputs in;
        std::string w;
    } cases[] = {
        {"nothing", criteria({}), ""},
        {"two criteria and flagged",
            criteria({{"1", "=", "abc", "AND"}, {"2", ">", "5", "AND"}}, FlagFilter::Flagged),
            " F1 = " + Q + "abc" + Q + "  AND  F2 > " + Q + "5" + Q + "  and  topp=" + Q + "O" + Q},
        {"flag filter alone", criteria({}, FlagFilter::Flagged), " topp=" + Q + "O" + Q},
        {"not flagged alone", criteria({}, FlagFilter::NotFlagged), " topp=" + Q + "N" + Q},
        {"connectors OR AND OR, the last unused",
            criteria({{"1", "=", "a", "OR"}, {"2", ">=", "b", "AND"}, {"3", "<=", "c", "OR"}}),
            " F1 = " + Q + "a" + Q + "  OR  F2 >= " + Q + "b" + Q + "  AND  F3 <= " + Q + "c" + Q + " "},
        {"entry without field skipped", criteria({{"", "=", "x", "OR"}, {"4", "<", "y", "OR"}}),
            " F4 < " + Q + "y" + Q + " "},
        {"search keeps the blanks", search(3, "  ab"), " F3 like " + Q + "  ab%" + Q},
        {"search of blanks only adds nothing", search(3, "   "), ""},
        {"search and not flagged", search(15, "x", FlagFilter::NotFlagged),
            " F15 like " + Q + "x%" + Q + " and  topp=" + Q + "N" + Q},
        {"criteria tab ignores the search box",
            [] {
                RestrictionInputs in;
                in.searchValue = "zz";
                return in;
            }(),
            ""},
        {"a quote in a value is doubled", criteria({{"1", "=", "x\" OR \"1\"=\"1", "AND"}}),
            " F1 = " + Q + "x\"\" OR \"\"1\"\"=\"\"1" + Q + " "},
        {"a quote in a search", search(2, "a\"b"), " F2 like " + Q + "a\"\"b%" + Q},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fconstruitcritere(c.in), c.w) << c.name;
}

TEST(Statements, RestrictionRefusesFieldsAndOperatorsOutsideTheLists)
{
    for (const Criterion& bad : {Criterion{"16", "=", "x", "AND"}, Criterion{"1) or (1", "=", "x", "AND"},
             Criterion{"1", "<>", "x", "AND"}, Criterion{"1", "=", "x", "XOR"}}) {
        RestrictionInputs in;
        in.criteria = {bad, {"2", "=", "y", "AND"}};
        EXPECT_THROW(fconstruitcritere(in), std::invalid_argument) << bad.field << bad.op << bad.connector;
    }
}

TEST(Statements, OrderTexts)
{
    const struct {
        int code;
        bool desc;
        const char* o;
    } cases[] = {
        {0, false, " order by num "}, {0, true, " order by num desc"}, {1, false, " order by f1 "},
        {15, true, " order by f15 desc"}, {16, false, " order by quantite  , f1"},
        {16, true, " order by quantite desc , f1"}, {17, false, " order by topp  , f1 "},
        {17, true, " order by topp desc , f1 "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fconstruittri(c.code, c.desc), c.o) << c.code << c.desc;
}

TEST(Statements, TitleClicksToggleTheDirectionOfTheSameColumn)
{
    SortState s;
    s.clickTitle("F3");
    EXPECT_EQ(s.order(), " order by f3 ");
    s.clickTitle(" f3 ");
    EXPECT_EQ(s.order(), " order by f3 desc");
    s.clickTitle("f3");
    EXPECT_EQ(s.order(), " order by f3 ");
    s.clickTitle("f3");
    s.clickTitle("quantite");
    EXPECT_EQ(s.order(), " order by quantite  , f1") << "another column sorts ascending";
    s.clickTitle("something");
    EXPECT_EQ(s.colonnetri, 0);
    s.clickTitle("topp");
    s.clickTitle("topp");
    s.creationOrder();
    EXPECT_EQ(s.order(), " order by num ");
}

TEST(Statements, StatementTexts)
{
    EXPECT_EQ(NextNumberStatement(), "select max(num) as nb from article");
    EXPECT_EQ(ListStatement("", " order by num "), "select * from article  order by num ");
    EXPECT_EQ(ListStatement(" topp=\"O\"", " order by f1 "), "select * from article  where  topp=\"O\" order by f1 ");
    EXPECT_EQ(DeleteByNumberStatement(12), "delete from article where num=12");
    EXPECT_EQ(DeleteAllStatement(""), "delete from article  WHERE num>0");
    EXPECT_EQ(DeleteAllStatement(" topp=\"O\""), "delete from article  WHERE  topp=\"O\"");
    EXPECT_EQ(SetFlagAllStatement("O", ""), "UPDATE article  SET topp=\"O\"");
    EXPECT_EQ(SetFlagAllStatement("N", " topp=\"O\""), "UPDATE article  SET topp=\"N\" WHERE  topp=\"O\"");
    EXPECT_EQ(SetQuantityAllStatement(7, ""), "UPDATE article  SET quantite=7");
    EXPECT_EQ(SetQuantityAllStatement(7, " F1 = \"a\" "), "UPDATE article  SET quantite=7 WHERE  F1 = \"a\" ");
}

} // namespace
} // namespace tessaly::data
