// The list query read row by row as the record cursor of a database run: memory holds one row
// whatever the size of the table (the batch command's runs).
#pragma once

#include "data/ArticleStream.h"
#include "print/RecordCursor.h"

namespace tessaly::print {

class ArticleStreamCursor final : public RecordCursor {
public:
    explicit ArticleStreamCursor(data::ArticleStream& rows) : rows_(rows) {}
    int RecordCount() const override;
    void MoveTo(int j) override;
    const data::CurrentRecordSource& Current() const override { return rows_; }

private:
    data::ArticleStream& rows_;
};

} // namespace tessaly::print
