// Field access with the field-number check.
#include "values/RecordSource.h"

#include "values/ValueSource.h"

namespace tessaly::values {

QString fvaleurchamp(const RecordSource& record, int n)
{
    if (n < kFirstField || n > kLastField)
        throw ValueSourceError("Field 'f" + std::to_string(n) + "' not found");
    return QString::fromStdString(record.field(n));
}

} // namespace tessaly::values
