// The table served through the module answers like SQLite on a native table with the same
// rows, whatever the scan filters in advance.
#include "TempFolder.h"

#include "data/ArticleBase.h"
#include "data/sql/SqlEngine.h"
#include "data/sql/SqlText.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <random>

namespace tessaly::data {
namespace {

std::string Joined(const RowSet& rows)
{
    std::string out;
    for (std::size_t r = 0; r < rows.rowCount(); ++r)
        out += std::string(rows.value(r, 0)) + ",";
    return out;
}

TEST(SqlEngine, RestrictionsAnswerLikeANativeTable)
{
    test::TempFolder dir;
    ArticleBase base(dir.folder());
    const char* words[] = {"apple", "Apple", "APRICOT", "apfel", "Äpfel", "éclair", "ab", "a", "", " ab", "b%c", "a_b",
        "zebra", "Zulu", "ÿ", "€uro", "it's", "say \"x\""};
    std::mt19937 rng(3);
    sqlite3* native = nullptr;
    sqlite3_open(":memory:", &native);
    sqlite3_exec(native, "CREATE TABLE article(num INTEGER, f1 TEXT, f2 TEXT, topp TEXT)", nullptr, nullptr, nullptr);
    std::vector<ArticleRecord> records;
    for (int i = 1; i <= 300; ++i) {
        ArticleRecord r;
        r.num = i;
        r.f[0] = words[rng() % std::size(words)];
        r.f[1] = words[rng() % std::size(words)];
        r.topp = rng() % 2 ? "O" : "N";
        records.push_back(r);
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(native, "INSERT INTO article VALUES(?,?,?,?)", -1, &insert, nullptr);
        sqlite3_bind_int(insert, 1, i);
        sqlite3_bind_text(insert, 2, r.f[0].c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 3, r.f[1].c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 4, r.topp.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_finalize(insert);
    }
    base.appendArticles(records);
    base.pexecutesql("delete from article where num=7");
    sqlite3_exec(native, "delete from article where num=7", nullptr, nullptr, nullptr);

    const char* restrictions[] = {
        R"(F1 = "apple")", R"(F1 > "apple")", R"(F1 >= "Apple" AND F2 < "b")", R"(F1 < "Äpfel")",
        R"(F1 <= "")", R"(F1 like "ap%")", R"(F1 like "Äp%")", R"(F1 like "%")", R"(F1 like "a_b%")",
        R"(F1 like "b%%")", R"(F1 = "apple" OR F2 like "z%")", R"(F1 > 5)", R"(F2 = "it's")",
        R"(F1 like " ab%")", R"(topp="O" and F1 >= "a")", R"(F1 like "éC%")", R"(F1 = "say ""x""")",
    };
    for (const char* w : restrictions) {
        const std::string statement = "select num from article  where " + std::string(w) + " order by num";
        EXPECT_EQ(Joined(base.runQuery(statement)), Joined(QueryRows(native, ConvertDoubleQuotedLiterals(statement))))
            << w;
    }
    sqlite3_close(native);
}

} // namespace
} // namespace tessaly::data
