// The rows of the article list as a database run walks them: a count and a current row.
#pragma once

#include "data/CurrentRecordSource.h"

namespace tessaly::print {

class RecordCursor {
public:
    virtual ~RecordCursor() = default;
    virtual int RecordCount() const = 0;
    // Makes row j (from 1, in list order) the current record.
    virtual void MoveTo(int j) = 0;
    virtual const data::CurrentRecordSource& Current() const = 0;
    // The row current before the run (0: none) and its return at the end.
    virtual int Position() const { return 0; }
    virtual void Restore(int position) { (void)position; }
};

// Outside database mode: no current record, every field empty.
class NoRecord final : public data::CurrentRecordSource {
public:
    bool hasCurrentRecord() const override { return false; }
    std::string fieldValue(int) const override { return {}; }
    std::int64_t recordNumber() const override { return 0; }
    std::optional<std::int64_t> quantity() const override { return std::nullopt; }
};

} // namespace tessaly::print
