#include "data/sql/RowSet.h"

#include "data/dbf/DbfField.h"

namespace tessaly::data {

int RowSet::columnIndex(std::string_view name) const
{
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (SameFieldName(columns_[i], name))
            return static_cast<int>(i);
    return -1;
}

std::string_view RowSet::value(std::size_t row, std::size_t column) const
{
    const Cell& cell = cells_.at(row * columns_.size() + column);
    return std::string_view(buffer_).substr(cell.start, cell.length);
}

void RowSet::setValue(std::size_t row, std::size_t column, std::string_view text)
{
    Cell& cell = cells_.at(row * columns_.size() + column);
    cell = {buffer_.size(), static_cast<std::uint32_t>(text.size())};
    buffer_.append(text);
}

void RowSet::removeRow(std::size_t row)
{
    const auto first = cells_.begin() + static_cast<std::ptrdiff_t>(row * columns_.size());
    cells_.erase(first, first + static_cast<std::ptrdiff_t>(columns_.size()));
}

void RowSet::addValue(std::string_view text)
{
    cells_.push_back({buffer_.size(), static_cast<std::uint32_t>(text.size())});
    buffer_.append(text);
}

} // namespace tessaly::data
