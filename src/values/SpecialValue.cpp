// Date offsets, counters and the special-value dispatch.
#include "values/SpecialValue.h"

#include "values/DateTimeFormat.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tessaly::values {

namespace {

std::optional<QDateTime> addMonths(const QDateTime& moment, std::int64_t months)
{
    if (months == 0)
        return moment;
    if (months < std::numeric_limits<int>::min() || months > std::numeric_limits<int>::max())
        return std::nullopt;
    QDateTime shifted = moment.addMonths(static_cast<int>(months));
    if (!shifted.isValid())
        return std::nullopt;
    return shifted;
}

std::int64_t counterStep(const typvaleurspeciale& settings, const RunNumbers& run)
{
    switch (static_cast<CounterMode>(settings.number[1])) {
    case CounterMode::PerLabel:
        return settings.text[0] == QLatin1String("O") ? run.copy : run.label;
    case CounterMode::PerRecord:
        return run.record;
    }
    return 0;
}

} // namespace

std::optional<QDateTime> OffsetDateTime(const QDateTime& now, const typvaleurspeciale& settings)
{
    QDateTime moment = settings.number[0] != 0 ? now.addDays(settings.number[0]) : now;
    if (!moment.isValid())
        return std::nullopt;
    const auto monthsShifted = addMonths(moment, settings.number[1]);
    if (!monthsShifted)
        return std::nullopt;
    return addMonths(*monthsShifted, std::int64_t{12} * settings.number[2]);
}

QString CounterText(const typvaleurspeciale& settings, const RunNumbers& run)
{
    const auto mode = static_cast<CounterMode>(settings.number[1]);
    const bool known = mode == CounterMode::PerLabel || mode == CounterMode::PerRecord;
    // 32-bit operands: the product and the sum fit in 64 bits.
    const std::int64_t value =
        known ? settings.number[0] + counterStep(settings, run) * settings.number[2] : 0;
    const QString digits = QString::number(value < 0 ? -value : value);
    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    const qsizetype width = std::min(settings.number[3], kMaxCounterWidth);
    const qsizetype padding = width - sign.size() - digits.size();
    return sign + QString(std::max<qsizetype>(padding, 0), QLatin1Char('0')) + digits;
}

QString ComputeSpecialValue(const typvaleurspeciale& settings, const RunNumbers& run,
                            const QDateTime& now, const QLocale& locale)
{
    try {
        switch (static_cast<SpecialKind>(settings.kind)) {
        case SpecialKind::DateTime: {
            const auto moment = OffsetDateTime(now, settings);
            return moment ? FormatDateTime(settings.text[0], *moment, locale) : QString();
        }
        case SpecialKind::Counter:
            return CounterText(settings, run);
        }
    } catch (...) {
        // A failing computation leaves the value empty; the label still prints.
    }
    return {};
}

} // namespace tessaly::values
