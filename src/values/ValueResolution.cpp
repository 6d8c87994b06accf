// The rules that turn a shape's value source into the text printed on one label.
#include "values/ValueResolution.h"

#include "values/KeyCompletion.h"
#include "values/Placeholders.h"

namespace tessaly::values {

namespace {

bool hasType(const ValueSource& source, ValueType type)
{
    return source.valueType == static_cast<std::int32_t>(type);
}

QString framed(const typvaleurspeciale& settings, const QString& value, const ResolveContext& context)
{
    return SubstitutePlaceholders(settings.prefix + value + settings.suffix, context.record);
}

// The value shared by barcodes and DataMatrix shapes before any key is applied.
std::optional<QString> codeValue(const ValueSource& source, const QString& text,
                                 const QString& textAff, const ResolveContext& context)
{
    if (hasType(source, ValueType::Fixed))
        return SubstitutePlaceholders(text, context.record);
    if (hasType(source, ValueType::RecordField)) {
        const PlaceholderParse placeholder = ParsePlaceholder(textAff);
        if (!placeholder.isPlaceholder())
            return std::nullopt;
        return framed(source.special, fvaleurchamp(context.record, placeholder.n), context);
    }
    if (hasType(source, ValueType::Special))
        return framed(source.special, SpecialValueFor(source.special, context), context);
    return std::nullopt;
}

} // namespace

bool ScopeIncludes(ResolveScope scope, ShapeKind kind)
{
    const bool picture = kind == ShapeKind::ExtendedPicture;
    switch (scope) {
    case ResolveScope::All: return true;
    case ResolveScope::PicturesOnly: return picture;
    case ResolveScope::AllButPictures: return !picture;
    }
    return false;
}

QString SpecialValueFor(const typvaleurspeciale& settings, const ResolveContext& context)
{
    return context.calculator.ComputeFor(settings, context.run);
}

QString ResolveExtendedText(const ValueSource& source, const QString& text, const ResolveContext& context)
{
    QString value = text;
    if (hasType(source, ValueType::RecordField))
        value = fvaleurchamp(context.record, source.fieldNumber);
    else if (hasType(source, ValueType::Special))
        value = SpecialValueFor(source.special, context);
    return framed(source.special, value, context);
}

QString ResolveCurvedText(const ValueSource& source, const QString& text, const ResolveContext& context)
{
    const QString value =
        hasType(source, ValueType::RecordField) ? fvaleurchamp(context.record, source.fieldNumber) : text;
    return SubstitutePlaceholders(value, context.record);
}

std::optional<QString> ResolveBarcodeValue(const ValueSource& source, const QString& text,
                                           const QString& textAff, const ResolveContext& context)
{
    std::optional<QString> value = codeValue(source, text, textAff, context);
    if (value && !hasType(source, ValueType::Fixed) && !source.special.keyType.isEmpty())
        value = CompleteWithKey(*value, source.special.keyType);
    return value;
}

std::optional<QString> ResolveDataMatrixValue(const ValueSource& source, const QString& code,
                                              const QString& textAff, const ResolveContext& context)
{
    return codeValue(source, code, textAff, context);
}

std::optional<QString> ResolvePicturePath(std::int32_t valueType, std::int32_t fieldNumber,
                                          const ResolveContext& context)
{
    if (valueType != static_cast<std::int32_t>(ValueType::RecordField) || fieldNumber <= 0)
        return std::nullopt;
    return fvaleurchamp(context.record, fieldNumber);
}

} // namespace tessaly::values
