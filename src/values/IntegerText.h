// Reading whole numbers typed in boxes or written inside placeholders.
#pragma once

#include <QStringView>

#include <optional>

namespace tessaly::values {

// The integer the whole text spells: an optional "+" or "-" then decimal digits, within the
// signed 32-bit range. Nothing for any other text, the empty one included.
std::optional<int> ParseInteger(QStringView text);

} // namespace tessaly::values
