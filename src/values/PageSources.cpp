// The page check behind the print window's mode tabs.
#include "values/PageSources.h"

#include "values/Placeholders.h"

#include <algorithm>

namespace tessaly::values {

namespace {

// Shapes whose text is searched for placeholders when it is their fixed value.
bool fixedTextCarriesPlaceholders(const ShapeValueInfo& shape)
{
    if (shape.kind == ShapeKind::CurvedText)
        return true;
    const bool fixed = shape.valueType == static_cast<std::int32_t>(ValueType::Fixed);
    return fixed && (shape.kind == ShapeKind::ExtendedText || shape.kind == ShapeKind::Barcode ||
                     shape.kind == ShapeKind::DataMatrix);
}

} // namespace

bool ShapeUsesSource(const ShapeValueInfo& shape, std::int32_t type)
{
    if (shape.valueType == type)
        return true;
    return type == static_cast<std::int32_t>(ValueType::RecordField) &&
           fixedTextCarriesPlaceholders(shape) && ContainsPlaceholder(shape.text);
}

bool PageUsesSource(std::span<const ShapeValueInfo> shapes, std::int32_t type)
{
    return std::ranges::any_of(shapes, [type](const ShapeValueInfo& shape) { return ShapeUsesSource(shape, type); });
}

} // namespace tessaly::values
