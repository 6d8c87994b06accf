// The fields f1..f15 of the current article record, as value resolution reads them.
#pragma once

#include <QString>

#include <stdexcept>
#include <string>

namespace tessaly::values {

// Raised when a value source names a field that does not exist (a field number outside 1..15).
class ValueSourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The current record of the article data set. Implementations return the UTF-8 text of field
// "f"n and may throw for numbers outside 1..15; the print run positions the record first.
class RecordSource {
public:
    virtual ~RecordSource() = default;
    virtual std::string field(int n) const = 0;
};

// `fvaleurchamp`: the value of field "f"n of the current record. Throws ValueSourceError for a
// number outside 1..15, so a damaged field number never reaches the data set.
QString fvaleurchamp(const RecordSource& record, int n);

} // namespace tessaly::values
