#include "data/Statements.h"

#include "data/sql/SqlText.h"
#include "data/util/Text.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace tessaly::data {
namespace {

bool IsFieldNumber(std::string_view text)
{
    for (int n = 1; n <= 15; ++n)
        if (text == std::to_string(n))
            return true;
    return false;
}

void CheckCriterion(const Criterion& c)
{
    constexpr std::array<std::string_view, 5> kOperators = {"=", ">", ">=", "<", "<="};
    if (!IsFieldNumber(c.field))
        throw std::invalid_argument("Invalid criterion field \"" + c.field + "\"");
    if (std::find(kOperators.begin(), kOperators.end(), c.op) == kOperators.end())
        throw std::invalid_argument("Invalid criterion operator \"" + c.op + "\"");
}

std::string_view Connector(std::string_view connector)
{
    if (connector == "AND" || connector == "OR" || connector.empty())
        return connector;
    throw std::invalid_argument("Invalid criterion connector \"" + std::string(connector) + "\"");
}

std::string Trimmed(std::string_view s) { return std::string(TrimBlanksAndTabs(s)); }

std::string Lowered(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

} // namespace

std::string fconstruitcritere(const RestrictionInputs& in)
{
    std::string w;
    bool written = false;
    if (in.tab == SearchTab::Criteria) {
        std::string_view joint;
        bool first = true;
        for (const Criterion& c : in.criteria) {
            if (c.field.empty())
                continue;
            CheckCriterion(c);
            if (!first) {
                if (joint.empty())
                    joint = "AND";
                w += " " + std::string(joint) + " ";
            }
            w += " F" + c.field + " " + c.op + " " + QuoteLiteral(c.value) + " ";
            joint = Connector(c.connector);
            first = false;
            written = true;
        }
    }
    if (in.tab == SearchTab::Simple && !Trimmed(in.searchValue).empty()) {
        if (in.searchField < 1 || in.searchField > 15)
            throw std::invalid_argument("Invalid search field " + std::to_string(in.searchField));
        w += " F" + std::to_string(in.searchField) + " like " + QuoteLiteral(in.searchValue + "%");
        written = true;
    }
    if (in.flags != FlagFilter::All) {
        if (written)
            w += " and ";
        w += std::string(" topp=") + (in.flags == FlagFilter::Flagged ? "\"O\"" : "\"N\"");
    }
    return w;
}

std::string fconstruittri(int colonnetri, bool tridescendant)
{
    const std::string d = tridescendant ? "desc" : "";
    if (colonnetri >= 1 && colonnetri <= 15)
        return " order by f" + std::to_string(colonnetri) + " " + d;
    if (colonnetri == 16)
        return " order by quantite " + d + " , f1";
    if (colonnetri == 17)
        return " order by topp " + d + " , f1 ";
    return " order by num " + d;
}

int SortCodeOfField(std::string_view fieldName)
{
    const std::string name = Lowered(Trimmed(fieldName));
    for (int n = 1; n <= 15; ++n)
        if (name == "f" + std::to_string(n))
            return n;
    if (name == "quantite")
        return 16;
    if (name == "topp")
        return 17;
    return 0;
}

void SortState::clickTitle(std::string_view fieldName)
{
    const int code = SortCodeOfField(fieldName);
    tridescendant = code == colonnetri ? !tridescendant : false;
    colonnetri = code;
}

void SortState::creationOrder()
{
    colonnetri = 0;
    tridescendant = false;
}

std::string NextNumberStatement() { return "select max(num) as nb from article"; }

std::string ListStatement(std::string_view restriction, std::string_view order)
{
    std::string s = "select * from article ";
    if (!restriction.empty())
        s += " where " + std::string(restriction);
    return s + std::string(order);
}

std::string DeleteByNumberStatement(std::int64_t num) { return "delete from article where num=" + std::to_string(num); }

std::string DeleteAllStatement(std::string_view restriction)
{
    if (restriction.empty())
        return "delete from article  WHERE num>0";
    return "delete from article  WHERE " + std::string(restriction);
}

std::string SetFlagAllStatement(std::string_view flag, std::string_view restriction)
{
    std::string s = "UPDATE article  SET topp=" + QuoteLiteral(flag);
    if (!restriction.empty())
        s += " WHERE " + std::string(restriction);
    return s;
}

std::string SetQuantityAllStatement(std::int64_t quantity, std::string_view restriction)
{
    std::string s = "UPDATE article  SET quantite=" + std::to_string(quantity);
    if (!restriction.empty())
        s += " WHERE " + std::string(restriction);
    return s;
}

} // namespace tessaly::data
