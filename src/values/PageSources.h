// Which kinds of data a label design needs: the check behind the print window's mode tabs.
#pragma once

#include "values/ValueSource.h"

#include <QString>

#include <cstdint>
#include <span>

namespace tessaly::values {

// What the check reads of one variable shape of a page.
struct ShapeValueInfo {
    ShapeKind kind = ShapeKind::ExtendedText;
    std::int32_t valueType = static_cast<std::int32_t>(ValueType::Fixed);
    // The text that may hold placeholders: an extended or curved text's text, a barcode's
    // engine `Text`, a DataMatrix `Code`; unused for pictures.
    QString text;
};

// True when the shape has value type `type`; for type 2 also when a fixed-value extended text,
// barcode or DataMatrix, or any curved text, holds a placeholder.
bool ShapeUsesSource(const ShapeValueInfo& shape, std::int32_t type);

// `PageUsesSource` over the variable shapes of a page.
bool PageUsesSource(std::span<const ShapeValueInfo> shapes, std::int32_t type);

} // namespace tessaly::values
