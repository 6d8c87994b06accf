// The fields f1..f15 of the current article record, as value resolution reads them.
#pragma once

#include "data/CurrentRecordSource.h"

#include <QString>

#include <stdexcept>

namespace tessaly::values {

// Raised when a value source names a field that does not exist (a field number outside 1..15).
class ValueSourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The current record of the article list; the print run positions it before resolving a label.
using RecordSource = data::CurrentRecordSource;

// `fvaleurchamp`: the value of field "f"n of the current record. Throws ValueSourceError for a
// number outside 1..15, so a damaged field number stops the label's resolution.
QString fvaleurchamp(const RecordSource& record, int n);

} // namespace tessaly::values
