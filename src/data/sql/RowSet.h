// The rows a query returned, copied: values as texts in one buffer, editable cell by cell.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::data {

class RowSet {
public:
    RowSet() = default;
    explicit RowSet(std::vector<std::string> columns) : columns_(std::move(columns)) {}

    const std::vector<std::string>& columns() const { return columns_; }
    // Column by name without regard to ASCII case; -1 when there is none.
    int columnIndex(std::string_view name) const;
    std::size_t rowCount() const { return columns_.empty() ? 0 : cells_.size() / columns_.size(); }

    // A NULL value reads as an empty text.
    std::string_view value(std::size_t row, std::size_t column) const;
    // Changes the copy only.
    void setValue(std::size_t row, std::size_t column, std::string_view text);
    void removeRow(std::size_t row);

    // Building: values of one row in column order.
    void beginRow() {}
    void addValue(std::string_view text);

private:
    struct Cell {
        std::uint64_t start;
        std::uint32_t length;
    };
    std::vector<std::string> columns_;
    std::vector<Cell> cells_;
    std::string buffer_;
};

} // namespace tessaly::data
