// One article record in memory and its encoding into a record of the open table.
#pragma once

#include "data/dbf/DbfTable.h"

#include <array>
#include <cstdint>
#include <string>

namespace tessaly::data {

struct ArticleRecord {
    std::int64_t num = 0;
    std::array<std::string, 15> f; // f1 .. f15, UTF-8
    std::int64_t quantite = 1;
    std::string topp = "O";
};

// Where the article fields sit in a table (found by name, so any field order works).
class ArticleLayout {
public:
    // Throws DbfError when the table lacks one of the article fields.
    explicit ArticleLayout(const DbfTable& table);
    // The record bytes; texts are cut to the field widths. Throws DbfValueError when `num`
    // or `quantite` does not fit its field.
    std::string encode(const ArticleRecord& record) const;
    ArticleRecord decode(std::uint32_t record) const;

    int num = -1;
    std::array<int, 15> f{};
    int quantite = -1;
    int topp = -1;

private:
    const DbfTable& table_;
};

} // namespace tessaly::data
