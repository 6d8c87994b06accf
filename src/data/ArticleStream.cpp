#include "data/ArticleStream.h"

#include "data/ArticleBase.h"

namespace tessaly::data {

ArticleStream::ArticleStream(ArticleBase& base, std::string restriction, std::string order)
    : base_(base), restriction_(std::move(restriction)), order_(std::move(order)), count_(base.countList(restriction_))
{
}

bool ArticleStream::moveTo(std::size_t row)
{
    if (!rows_ || row < next_) {
        rows_ = base_.streamList(restriction_, order_);
        next_ = 0;
    }
    RowSet one;
    while (next_ <= row) {
        if (!rows_->next(one)) {
            current_.clear();
            return false;
        }
        ++next_;
    }
    current_.setRows(std::move(one));
    return true;
}

} // namespace tessaly::data
