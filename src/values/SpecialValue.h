// Special values: the current date and time with an offset, or a counter.
#pragma once

#include "values/ValueSource.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>

namespace tessaly::values {

// Widest zero padding a counter gets; wider stored widths are treated as this one, so a
// damaged width cannot make a huge text.
inline constexpr int kMaxCounterWidth = 64;

// `now` plus the day, month and year offsets (number parameters 1 to 3), in that order; months
// keep the day of month, clamped to the last day of the target month. Nothing when the result
// lies outside the calendar.
std::optional<QDateTime> OffsetDateTime(const QDateTime& now, const typvaleurspeciale& settings);

// The counter text for the run numbers: start + n x increment with n the label number, the
// copy number (per label with text parameter 1 "O") or the record number (per record);
// 0 for any other mode. Zero-padded to the width, the minus sign kept in front.
QString CounterText(const typvaleurspeciale& settings, const RunNumbers& run);

// The value of the settings' kind (prefix and suffix not included): a date/time formatted
// with text parameter 1, or a counter; empty for any other kind or when the computation fails.
QString ComputeSpecialValue(const typvaleurspeciale& settings, const RunNumbers& run,
                            const QDateTime& now, const QLocale& locale);

} // namespace tessaly::values
