#include "print/ArticleStreamCursor.h"

#include <algorithm>
#include <climits>

namespace tessaly::print {

int ArticleStreamCursor::RecordCount() const
{
    return static_cast<int>(std::min<std::size_t>(rows_.rowCount(), std::size_t(INT_MAX)));
}

void ArticleStreamCursor::MoveTo(int j)
{
    rows_.moveTo(static_cast<std::size_t>(j - 1));
}

} // namespace tessaly::print
