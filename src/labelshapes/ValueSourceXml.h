// The stored keys of a value source, written in two runs because the DataMatrix shape puts its
// display text between them.
#pragma once

#include "values/ValueSource.h"

#include <pugixml.hpp>

namespace tessaly::labelshapes {

// "Ftypevaleur", "Fnuchamp".
void WriteValueType(pugi::xml_node node, const values::ValueSource& source);
void ReadValueType(const pugi::xml_node& node, values::ValueSource& source);

// "Ftypevaleurspeciale", "Fvaleurspeciale1".."4", "Fvaleurspecialeint1".."4", "Fprefixe",
// "Fsuffixe", "Ftypechecksum". Every value is left out at its default (0 or empty).
void WriteSpecialSettings(pugi::xml_node node, const values::typvaleurspeciale& settings);
// The parameters alone: "Fvaleurspeciale1".."4", "Fvaleurspecialeint1".."4", "Fprefixe", "Fsuffixe".
void WriteSpecialParameters(pugi::xml_node node, const values::typvaleurspeciale& settings);
void ReadSpecialSettings(const pugi::xml_node& node, values::typvaleurspeciale& settings);

} // namespace tessaly::labelshapes
