// Rules of the two value-source dialogs, kept free of widgets.
#include "values/ValueDialogs.h"

#include "values/IntegerText.h"
#include "values/KeyCompletion.h"

#include <algorithm>
#include <utility>

namespace tessaly::values {

namespace {

QString integerOr(const QString& box, const char* fallback)
{
    return ParseInteger(box) ? box : QString::fromLatin1(fallback);
}

std::int32_t integerValue(const QString& box)
{
    return ParseInteger(box).value_or(0);
}

} // namespace

typvaleurspeciale& ValueSettingsRecords::For(PanelKind kind)
{
    return const_cast<typvaleurspeciale&>(std::as_const(*this).For(kind));
}

const typvaleurspeciale& ValueSettingsRecords::For(PanelKind kind) const
{
    switch (kind) {
    case PanelKind::Barcode: return barcode;
    case PanelKind::DataMatrix: return dataMatrix;
    case PanelKind::Text: break;
    }
    return text;
}

KeyChoice KeyChoiceFor(PanelKind panel, barcode::TBarcodeType type, const QString& storedKeyType)
{
    KeyChoice choice;
    if (panel != PanelKind::Barcode)
        return choice;
    choice.entries = OfferedKeyTypes(type);
    choice.visible = choice.entries.size() > 1;
    choice.selected = std::max<int>(0, choice.entries.indexOf(storedKeyType));
    return choice;
}

std::int32_t PrepareSpecialDialog(typvaleurspeciale& record)
{
    if (record.kind == 0)
        record.kind = static_cast<std::int32_t>(SpecialKind::DateTime);
    return record.kind;
}

std::int32_t OffsetValue(const QString& box)
{
    return integerValue(box);
}

QString LeaveStartBox(const QString& box)
{
    return integerOr(box, "0");
}

QString LeaveIncrementBox(const QString& box)
{
    return integerOr(box, "0");
}

QString LeaveDigitsBox(const QString& box)
{
    const auto digits = ParseInteger(box);
    if (!digits)
        return QStringLiteral("1");
    return *digits > kMaxDigitsChoice ? QString::number(kMaxDigitsChoice) : box;
}

typvaleurspeciale SpecialSettingsFromControls(std::int32_t kind, const SpecialDialogControls& controls)
{
    typvaleurspeciale settings;
    settings.kind = kind;
    if (kind == static_cast<std::int32_t>(SpecialKind::DateTime)) {
        settings.text[0] = controls.format;
        settings.number = {OffsetValue(controls.offsetDays), OffsetValue(controls.offsetMonths),
                           OffsetValue(controls.offsetYears), 0};
    } else if (kind == static_cast<std::int32_t>(SpecialKind::Counter)) {
        settings.text[0] = controls.restartEachRecord ? QStringLiteral("O") : QStringLiteral("N");
        const auto mode = controls.perLabel ? CounterMode::PerLabel : CounterMode::PerRecord;
        settings.number = {integerValue(LeaveStartBox(controls.start)), static_cast<std::int32_t>(mode),
                           integerValue(LeaveIncrementBox(controls.increment)),
                           integerValue(LeaveDigitsBox(controls.digits))};
    }
    return settings;
}

QString SpecialDialogExample(std::int32_t kind, const SpecialDialogControls& controls,
                             const Tvaleurspeciale& calculator)
{
    return calculator.Preview(SpecialSettingsFromControls(kind, controls));
}

void StoreSpecialDialog(typvaleurspeciale& record, const SpecialDialogControls& controls, PanelKind panel)
{
    const typvaleurspeciale parameters = SpecialSettingsFromControls(record.kind, controls);
    if (record.kind == static_cast<std::int32_t>(SpecialKind::DateTime)) {
        record.text[0] = parameters.text[0];
        std::copy_n(parameters.number.begin(), 3, record.number.begin());
    } else if (record.kind == static_cast<std::int32_t>(SpecialKind::Counter)) {
        record.text[0] = parameters.text[0];
        record.number = parameters.number;
    }
    record.prefix = controls.prefix;
    record.suffix = controls.suffix;
    if (panel == PanelKind::Barcode)
        record.keyType = controls.keyType;
}

FieldDialogState OpenFieldDialog(const typvaleurspeciale& record, PanelKind panel, barcode::TBarcodeType type)
{
    return {record.prefix, record.suffix, KeyChoiceFor(panel, type, record.keyType)};
}

void AcceptFieldDialog(typvaleurspeciale& record, PanelKind panel, const QString& prefix,
                       const QString& suffix, const QString& keyListText)
{
    record.prefix = prefix;
    record.suffix = suffix;
    if (panel == PanelKind::Barcode)
        record.keyType = keyListText;
}

} // namespace tessaly::values
