// The article list (the list query's rows) as the record cursor of a database run.
#pragma once

#include "data/ArticleList.h"
#include "print/RecordCursor.h"

namespace tessaly::print {

// Walks the list's rows from 1; Position/Restore keep the list's current row across a run.
class ArticleListCursor final : public RecordCursor {
public:
    explicit ArticleListCursor(data::ArticleList& list) : list_(list) {}
    int RecordCount() const override;
    void MoveTo(int j) override;
    const data::CurrentRecordSource& Current() const override { return list_; }
    int Position() const override;
    void Restore(int position) override;

private:
    data::ArticleList& list_;
};

} // namespace tessaly::print
