// Field access with the field-number check.
#include "values/RecordSource.h"

#include "values/ValueSource.h"

#include <string>

namespace tessaly::values {

QString fvaleurchamp(const RecordSource& record, int n)
{
    if (n < kFirstField || n > kLastField)
        throw ValueSourceError("Field 'f" + std::to_string(n) + "' not found");
    return QString::fromStdString(record.fieldValue(n));
}

} // namespace tessaly::values
