// XmlValueReader: the element children of a node indexed once, found by key with a moving cursor.
#include "document/core/XmlKeys.h"

#include <unordered_set>

namespace tessaly::document {

XmlValueReader::XmlValueReader(const pugi::xml_node& node)
{
    std::unordered_set<std::string_view> seen;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element) {
            const std::string_view name = child.name();
            if (seen.insert(name).second)  // only the first element of a name is ever read
                FChildren.push_back({name, child});
        }
}

pugi::xml_node XmlValueReader::Find(std::string_view key)
{
    const size_t count = FChildren.size();
    for (size_t k = 0; k < count; ++k) {
        const size_t i = (FCursor + k) % count;
        if (FChildren[i].name == key) {
            FCursor = i + 1;
            return FChildren[i].node;
        }
    }
    return {};
}

std::string_view XmlValueReader::Text(std::string_view key)
{
    // The first text or CDATA child, as the storage reader takes it.
    const pugi::xml_node element = Find(key);
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            return child.value();
    return {};
}

QString XmlValueReader::String(std::string_view key, const QString& readDefault)
{
    if (!Find(key))
        return readDefault;
    const std::string_view text = Text(key);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace tessaly::document
