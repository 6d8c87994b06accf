// Shared fixtures of the value tests: a record of known fields and a calculator on a fixed
// clock. The tests use the French locale, whose separators are "/" and ":", so the proposed
// formats render exactly as written, whatever the machine's locale.
#pragma once

#include "values/RecordSource.h"
#include "values/SpecialValueCalculator.h"

#include <QDateTime>
#include <QLocale>

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

namespace tessaly::values::test {

// Fields "f1".."f15" hold "v1".."v15" unless set; counts the reads.
class FakeRecord : public RecordSource {
public:
    std::map<int, std::string> values;
    mutable int reads = 0;

    bool hasCurrentRecord() const override { return true; }
    std::int64_t recordNumber() const override { return 1; }
    std::optional<std::int64_t> quantity() const override { return 1; }
    std::string fieldValue(int n) const override
    {
        ++reads;
        if (n < 1 || n > 15)
            throw std::runtime_error("unknown field");
        const auto it = values.find(n);
        return it != values.end() ? it->second : "v" + std::to_string(n);
    }
};

inline QLocale frenchLocale() { return QLocale(QLocale::French, QLocale::France); }

// 31 January 2027, 14:05:09.007, local time.
inline QDateTime fixedNow() { return QDateTime(QDate(2027, 1, 31), QTime(14, 5, 9, 7)); }

inline Tvaleurspeciale fixedCalculator()
{
    return Tvaleurspeciale(frenchLocale(), [] { return fixedNow(); });
}

} // namespace tessaly::values::test
