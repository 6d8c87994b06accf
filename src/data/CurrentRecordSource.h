// The current record of the article list, as value resolution and printing read it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tessaly::data {

class CurrentRecordSource {
public:
    virtual ~CurrentRecordSource() = default;
    // False when the list has no current row (an empty list).
    virtual bool hasCurrentRecord() const = 0;
    // The text of the label field fn (n = 1 to 15) of the current record, UTF-8, without the
    // table's trailing blanks; empty when there is no current record or no such field.
    virtual std::string fieldValue(int n) const = 0;
    // `num` of the current record; 0 when there is none.
    virtual std::int64_t recordNumber() const = 0;
    // `quantite` of the current record read as an integer; nothing when it cannot be read.
    virtual std::optional<std::int64_t> quantity() const = 0;
};

} // namespace tessaly::data
