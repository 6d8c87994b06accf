// The list query walked row by row: the count first, then one row at a time in list order, so a
// run over a table of any size holds one row. Moving back starts the query again.
#pragma once

#include "data/ArticleList.h"
#include "data/sql/SqlEngine.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace tessaly::data {

class ArticleBase;

class ArticleStream final : public CurrentRecordSource {
public:
    // Counts the rows of the restriction; throws SqlError.
    ArticleStream(ArticleBase& base, std::string restriction, std::string order);

    std::size_t rowCount() const { return count_; }
    // Makes `row` (from 0) current; false, with no current row, when the query has no such row.
    // Throws SqlError.
    bool moveTo(std::size_t row);

    bool hasCurrentRecord() const override { return current_.hasCurrentRecord(); }
    std::string fieldValue(int n) const override { return current_.fieldValue(n); }
    std::int64_t recordNumber() const override { return current_.recordNumber(); }
    std::optional<std::int64_t> quantity() const override { return current_.quantity(); }

private:
    ArticleBase& base_;
    std::string restriction_;
    std::string order_;
    std::size_t count_ = 0;
    std::unique_ptr<SqlRowStream> rows_;
    std::size_t next_ = 0;   // the row the stream gives next
    ArticleList current_;    // the current row alone
};

} // namespace tessaly::data
