#include "print/ArticleListCursor.h"

#include <algorithm>
#include <climits>

namespace tessaly::print {

int ArticleListCursor::RecordCount() const
{
    return static_cast<int>(std::min<std::size_t>(list_.rowCount(), std::size_t(INT_MAX)));
}

void ArticleListCursor::MoveTo(int j)
{
    list_.moveTo(static_cast<std::size_t>(j - 1));
}

int ArticleListCursor::Position() const
{
    const auto row = list_.currentRow();
    return row ? static_cast<int>(*row) + 1 : 0;
}

void ArticleListCursor::Restore(int position)
{
    list_.gotoBookmark(position > 0 ? data::ArticleList::Bookmark(std::size_t(position - 1)) : std::nullopt);
}

} // namespace tessaly::print
