// Double-quoted literals of the program's statements become SQL literals.
#include "data/sql/SqlError.h"
#include "data/sql/SqlText.h"

#include <gtest/gtest.h>

namespace tessaly::data {
namespace {

TEST(SqlText, DoubleQuotedLiteralsBecomeSqlLiterals)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {R"( F1 = "abc"  AND  F2 > "5" )", R"( F1 = 'abc'  AND  F2 > '5' )"},
        {R"( F1 like "  ab%")", R"( F1 like '  ab%')"},
        {R"(x = "it's")", R"(x = 'it''s')"},
        {R"(x = "say ""hi""")", R"(x = 'say "hi"')"},
        {R"(x = 'kept "as" is' and y = "")", R"(x = 'kept "as" is' and y = '')"},
        {R"(x = 'a''b')", R"(x = 'a''b')"},
        {"select max(num) as nb from article", "select max(num) as nb from article"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConvertDoubleQuotedLiterals(c.in), c.out) << c.in;
}

TEST(SqlText, UnclosedLiteralIsAnError)
{
    EXPECT_THROW(ConvertDoubleQuotedLiterals(R"(x = "abc)"), SqlError);
    EXPECT_THROW(ConvertDoubleQuotedLiterals(R"(x = 'abc)"), SqlError);
}

TEST(SqlText, QuotedValueRoundTripsWhateverItHolds)
{
    for (const std::string value : {"plain", "a\"b", "\"", "x\" OR \"1\"=\"1", "it's", ""}) {
        const std::string sql = ConvertDoubleQuotedLiterals(QuoteLiteral(value));
        std::string back;
        for (std::size_t i = 1; i + 1 < sql.size(); ++i) {
            back.push_back(sql[i]);
            if (sql[i] == '\'')
                ++i; // '' is one quote
        }
        EXPECT_EQ(back, value);
    }
}

} // namespace
} // namespace tessaly::data
