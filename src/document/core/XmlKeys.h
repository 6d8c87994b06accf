// Reading stored values from XML elements: a reader that looks at an element's children once and
// finds keys in the order they are written, with the value encodings of the storage module.
#pragma once

#include "document/storage/XmlValues.h"

#include <QString>

#include <pugixml.hpp>

#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tessaly::document {

class XmlValueReader {
public:
    explicit XmlValueReader(const pugi::xml_node& node);
    XmlValueReader(const XmlValueReader&) = delete;
    XmlValueReader& operator=(const XmlValueReader&) = delete;

    // The first child element called `key` (null when missing). Keys asked in the stored order
    // are found in constant time; any other order still works.
    pugi::xml_node Find(std::string_view key);
    bool Has(std::string_view key) { return bool(Find(key)); }

    bool Bool(std::string_view key, bool readDefault) { return ParseBool(Text(key)).value_or(readDefault); }
    std::int32_t Int(std::string_view key, std::int32_t readDefault)
    {
        return ParseInteger(Text(key)).value_or(readDefault);
    }
    std::uint32_t Hex(std::string_view key, std::uint32_t readDefault)  // colours too
    {
        const auto value = ParseInteger(Text(key));
        return value ? std::uint32_t(*value) : readDefault;
    }
    // A stored float read into a single-precision field: values that do not fit give the default.
    float Single(std::string_view key, float readDefault)
    {
        const float value = float(ParseFloat(Text(key)).value_or(readDefault));
        return std::isfinite(value) ? value : readDefault;
    }
    QString String(std::string_view key, const QString& readDefault = {});
    // An enumeration stored as its index; out-of-range values give the default.
    template <class Enum>
    Enum EnumValue(std::string_view key, Enum readDefault, int count)
    {
        const int value = Int(key, int(readDefault));
        return value >= 0 && value < count ? Enum(value) : readDefault;
    }

private:
    // Trivial, so that the inline array below costs nothing to set up.
    struct Child {
        const char* name;
        size_t size;
        pugi::xml_node_struct* node;
        bool Is(std::string_view key) const { return key == std::string_view(name, size); }
    };
    std::string_view Text(std::string_view key);
    void Add(std::string_view name, const pugi::xml_node& node);

    // Most elements have a few dozen values: those stay on the stack.
    static constexpr size_t kInline = 48;
    Child FInline[kInline];
    std::vector<Child> FMore;  // all children once there are more than kInline
    Child* FChildren = FInline;
    size_t FCount = 0;
    size_t FCursor = 0;
};

// Single reads straight from a node, for classes whose elements are few.
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
