// Small helpers shared by the XML readers and writers of the document model.
#pragma once

#include <QString>

#include <pugixml.hpp>

#include <cmath>
#include <string_view>

#include "document/storage/XmlValues.h"

namespace tessaly::document {

// A stored float read into a single-precision field: values that do not fit a float give the default.
inline float ReadSingle(const pugi::xml_node& node, std::string_view key, float readDefault)
{
    const float value = float(ReadFloat(node, key, readDefault));
    return std::isfinite(value) ? value : readDefault;
}

// An enumeration stored as its index; out-of-range values give the default.
template <class Enum>
Enum ReadEnum(const pugi::xml_node& node, std::string_view key, Enum readDefault, int count)
{
    const int value = ReadInteger(node, key, int(readDefault));
    return value >= 0 && value < count ? Enum(value) : readDefault;
}

// Repeated child elements `name` in document order.
template <class Visit>
void ForEachElement(const pugi::xml_node& node, const char* name, Visit visit)
{
    for (pugi::xml_node child = node.child(name); child; child = child.next_sibling(name))
        visit(child);
}

}  // namespace tessaly::document
