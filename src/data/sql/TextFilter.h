// Tests of text columns that a full scan applies to the raw record before SQLite sees the row.
#pragma once

#include <string>
#include <string_view>

namespace tessaly::data {

// A filter only rejects rows SQLite itself would reject under BINARY comparison (or LIKE for a
// plain prefix pattern); SQLite still checks every row the filter lets through.
struct TextFilter {
    enum class Op { Equal, Greater, GreaterEqual, Less, LessEqual, Prefix };
    int field = 0;
    Op op = Op::Equal;
    std::string value; // UTF-8; for Prefix the prefix with ASCII letters in lower case

    // `slot` is the field's bytes in the record (Windows-1252, blank-padded).
    bool passes(std::string_view slot) const;
};

// The prefix of a LIKE pattern "prefix%" without other wildcards, lower-cased; false when the
// pattern has another shape.
bool LikePrefix(std::string_view pattern, std::string& prefix);

} // namespace tessaly::data
