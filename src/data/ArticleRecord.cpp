#include "data/ArticleRecord.h"

#include "data/dbf/DbfError.h"

namespace tessaly::data {
namespace {

int Require(const DbfTable& table, const std::string& name)
{
    const int index = table.fieldIndex(name);
    if (index < 0)
        throw DbfError("The table \"" + table.path() + "\" has no field " + name);
    return index;
}

} // namespace

ArticleLayout::ArticleLayout(const DbfTable& table) : table_(table)
{
    num = Require(table, "num");
    for (int n = 1; n <= 15; ++n)
        f[static_cast<std::size_t>(n - 1)] = Require(table, "f" + std::to_string(n));
    quantite = Require(table, "quantite");
    topp = Require(table, "topp");
}

std::string ArticleLayout::encode(const ArticleRecord& record) const
{
    std::string bytes = table_.blankRecord();
    table_.setField(bytes, num, std::to_string(record.num));
    for (std::size_t i = 0; i < 15; ++i)
        table_.setField(bytes, f[i], record.f[i]);
    table_.setField(bytes, quantite, std::to_string(record.quantite));
    table_.setField(bytes, topp, record.topp);
    return bytes;
}

ArticleRecord ArticleLayout::decode(std::uint32_t r) const
{
    ArticleRecord record;
    record.num = table_.integer(r, num).value_or(0);
    for (std::size_t i = 0; i < 15; ++i)
        record.f[i] = table_.text(r, f[i]);
    record.quantite = table_.integer(r, quantite).value_or(0);
    record.topp = table_.text(r, topp);
    return record;
}

} // namespace tessaly::data
