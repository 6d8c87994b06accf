// XmlValueReader: the element children of a node indexed once, found by key with a moving cursor.
#include "document/core/XmlKeys.h"

#include <cstdint>

namespace tessaly::document {

XmlValueReader::XmlValueReader(const pugi::xml_node& node)
{
    // Only the first element of a name is ever read. A bitmap of name hashes finds the names seen
    // before cheaply; only a hash seen before costs a comparison with the kept names.
    std::uint64_t seen[16] = {};
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        const std::string_view name = child.name();
        const size_t size = name.size();
        const size_t hash = size == 0 ? 0
            : (size * 131 + size_t(name[0]) * 31 + size_t(name[size / 2]) * 7 + size_t(name[size - 1])) & 1023;
        std::uint64_t& word = seen[hash / 64];
        const std::uint64_t bit = std::uint64_t(1) << (hash % 64);
        if (word & bit) {
            bool repeated = false;
            for (size_t i = FCount; i-- > 0 && !repeated;)  // a repeat is most often the last name
                repeated = FChildren[i].Is(name);
            if (repeated)
                continue;
        }
        word |= bit;
        Add(name, child);
    }
}

void XmlValueReader::Add(std::string_view name, const pugi::xml_node& node)
{
    if (FCount == kInline) {
        FMore.assign(FInline, FInline + kInline);
        FChildren = nullptr;
    }
    const Child child{name.data(), name.size(), node.internal_object()};
    if (FCount >= kInline) {
        FMore.push_back(child);
        FChildren = FMore.data();
    } else {
        FInline[FCount] = child;
    }
    ++FCount;
}

pugi::xml_node XmlValueReader::Find(std::string_view key)
{
    const size_t count = FCount;
    for (size_t k = 0; k < count; ++k) {
        size_t i = FCursor + k;
        if (i >= count)
            i -= count;
        if (FChildren[i].Is(key)) {
            FCursor = i + 1;
            return pugi::xml_node(FChildren[i].node);
        }
    }
    return {};
}

namespace {

// The first text or CDATA child, as the storage reader takes it.
std::string_view TextOf(const pugi::xml_node& element)
{
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            return child.value();
    return {};
}

}  // namespace

std::string_view XmlValueReader::Text(std::string_view key) { return TextOf(Find(key)); }

QString XmlValueReader::String(std::string_view key, const QString& readDefault)
{
    const pugi::xml_node element = Find(key);
    if (!element)
        return readDefault;
    const std::string_view text = TextOf(element);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace tessaly::document
