// The special-value calculator.
#include "values/SpecialValueCalculator.h"

#include "values/SpecialValue.h"

#include <utility>

namespace tessaly::values {

Tvaleurspeciale::Tvaleurspeciale(QLocale locale, Clock clock)
    : locale_(std::move(locale)), clock_(std::move(clock))
{
}

void Tvaleurspeciale::Load(const typvaleurspeciale& settings, const RunNumbers& run)
{
    settings_ = settings;
    run_ = run;
}

QString Tvaleurspeciale::Compute() const
{
    return ComputeSpecialValue(settings_, run_, now(), locale_);
}

QString Tvaleurspeciale::ComputeFor(const typvaleurspeciale& settings, const RunNumbers& run)
{
    Load(settings, run);
    return Compute();
}

QString Tvaleurspeciale::Preview(const typvaleurspeciale& settings) const
{
    return ComputeSpecialValue(settings, RunNumbers{1, 1, run_.copy}, now(), locale_);
}

QString Tvaleurspeciale::PreviewFramed(const typvaleurspeciale& settings) const
{
    return settings.prefix + Preview(settings) + settings.suffix;
}

QDateTime Tvaleurspeciale::now() const
{
    return clock_ ? clock_() : QDateTime::currentDateTime();
}

} // namespace tessaly::values
