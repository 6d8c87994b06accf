// The list query's result (xQuery1): copied rows, a current row, bookmarks and in-place edits.
#pragma once

#include "data/CurrentRecordSource.h"
#include "data/sql/RowSet.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace tessaly::data {

class ArticleList : public CurrentRecordSource {
public:
    using Bookmark = std::optional<std::size_t>;

    // Replaces the rows; the current row becomes the first one (none when empty).
    void setRows(RowSet rows);
    void clear() { setRows(RowSet()); }
    const RowSet& rows() const { return rows_; }
    std::size_t rowCount() const { return rows_.rowCount(); }

    // The current row counted from 0; nothing when the list is empty.
    std::optional<std::size_t> currentRow() const { return current_; }
    // Moves to a row; false (and no move) when out of range.
    bool moveTo(std::size_t row);
    bool first() { return moveTo(0); }
    // False at the last row (the current row stays).
    bool next();
    Bookmark bookmark() const { return current_; }
    void gotoBookmark(Bookmark mark);

    // Value of the named column in a row ("" when the column does not exist).
    std::string_view value(std::size_t row, std::string_view column) const;
    std::optional<std::int64_t> integer(std::size_t row, std::string_view column) const;
    // Changes the copy in the list only.
    void setValue(std::size_t row, std::string_view column, std::string_view text);
    void removeRow(std::size_t row);

    // CurrentRecordSource
    bool hasCurrentRecord() const override { return current_.has_value(); }
    std::string fieldValue(int n) const override;
    std::int64_t recordNumber() const override;
    std::optional<std::int64_t> quantity() const override;

private:
    RowSet rows_;
    std::optional<std::size_t> current_;
};

} // namespace tessaly::data
