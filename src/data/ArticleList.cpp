#include "data/ArticleList.h"

#include "data/util/Text.h"

#include <string>

namespace tessaly::data {
void ArticleList::setRows(RowSet rows)
{
    rows_ = std::move(rows);
    current_ = rows_.rowCount() > 0 ? std::optional<std::size_t>(0) : std::nullopt;
}

bool ArticleList::moveTo(std::size_t row)
{
    if (row >= rowCount())
        return false;
    current_ = row;
    return true;
}

bool ArticleList::next() { return current_ && moveTo(*current_ + 1); }

void ArticleList::gotoBookmark(Bookmark mark)
{
    if (mark && *mark < rowCount())
        current_ = mark;
}

std::string_view ArticleList::value(std::size_t row, std::string_view column) const
{
    const int index = rows_.columnIndex(column);
    if (index < 0 || row >= rowCount())
        return {};
    return rows_.value(row, static_cast<std::size_t>(index));
}

std::optional<std::int64_t> ArticleList::integer(std::size_t row, std::string_view column) const
{
    return ParseWholeNumber(value(row, column));
}

void ArticleList::setValue(std::size_t row, std::string_view column, std::string_view text)
{
    const int index = rows_.columnIndex(column);
    if (index >= 0 && row < rowCount())
        rows_.setValue(row, static_cast<std::size_t>(index), text);
}

void ArticleList::removeRow(std::size_t row)
{
    if (row >= rowCount())
        return;
    rows_.removeRow(row);
    if (rowCount() == 0)
        current_.reset();
    else if (current_ && *current_ >= rowCount())
        current_ = rowCount() - 1;
}

std::string ArticleList::fieldValue(int n) const
{
    if (!current_ || n < 1 || n > 15)
        return {};
    return std::string(value(*current_, "f" + std::to_string(n)));
}

std::int64_t ArticleList::recordNumber() const
{
    if (!current_)
        return 0;
    return integer(*current_, "num").value_or(0);
}

std::optional<std::int64_t> ArticleList::quantity() const
{
    if (!current_)
        return std::nullopt;
    return integer(*current_, "quantite");
}

} // namespace tessaly::data
