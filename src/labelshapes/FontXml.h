// The "Fonte" element of the barcode shape: the children of the text shapes' font element
// plus the size in whole points and the character set.
#pragma once

#include "barcode/AsBarcode.h"

#include <pugixml.hpp>

#include <string_view>

namespace tessaly::labelshapes {

// Element `key` with `Name`, `Color`, `Bold`, `Italic`, `Underline`, `Strikeout`, `Size`
// (points) and `Charset`, each left out at its default (empty, 0, false). The element itself
// is always written.
void WriteFontElement(pugi::xml_node node, std::string_view key, const barcode::TFontSpec& font);
// Reads the element into `font`; a missing element leaves `font` as it is. Sizes beyond
// 1000 points are taken as 1000.
void ReadFontElement(const pugi::xml_node& node, std::string_view key, barcode::TFontSpec& font);

} // namespace tessaly::labelshapes
