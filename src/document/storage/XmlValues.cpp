// Child-element values of the storage XML: Booleans, integers, colours, floats, strings, points
// and binary data, with default omission on writing and read defaults on reading.
#include "document/storage/XmlValues.h"

#include <charconv>
#include <cstring>

namespace tessaly::document {

namespace {

std::string_view Trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view NodeText(const pugi::xml_node& element)
{
    // The first text or CDATA child, as pugixml's text() does.
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            return child.value();
    return {};
}

} // namespace

std::string FormatBool(bool value)
{
    return value ? "True" : "False";
}

std::optional<bool> ParseBool(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    switch (text.front()) {
    case 'F': case 'f': case 'N': case 'n':
        return false;
    case 'T': case 't': case 'Y': case 'y':
        return true;
    default:
        return std::nullopt;
    }
}

std::string FormatInteger(std::int64_t value)
{
    return std::to_string(value);
}

std::optional<std::int32_t> ParseInteger(std::string_view text)
{
    text = Trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty() || text.front() == '-' || text.front() == '+')
        return std::nullopt;
    std::uint64_t magnitude = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    if (base == 16) {
        // Hexadecimal is a 32-bit pattern: "$FFFFFFFF" is -1.
        if (magnitude > 0xFFFFFFFFull)
            return std::nullopt;
        const auto pattern = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
        return negative ? static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(pattern))
                        : pattern;
    }
    if (magnitude > (negative ? 2147483648ull : 2147483647ull))
        return std::nullopt;
    return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(magnitude)
                                              : static_cast<std::int64_t>(magnitude));
}

std::string FormatHex(std::uint32_t value, int digits)
{
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, 16).ptr;
    std::string hex(buffer, end);
    for (char& c : hex)
        if (c >= 'a' && c <= 'f')
            c = static_cast<char>(c - 'a' + 'A');
    if (static_cast<int>(hex.size()) < digits)
        hex.insert(0, static_cast<size_t>(digits) - hex.size(), '0');
    return "$" + hex;
}

pugi::xml_node FindValue(const pugi::xml_node& node, std::string_view key)
{
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element && key == child.name())
            return child;
    return {};
}

std::string_view ValueText(const pugi::xml_node& node, std::string_view key)
{
    return NodeText(FindValue(node, key));
}

pugi::xml_node AddElement(pugi::xml_node node, std::string_view key)
{
    pugi::xml_node element = node.append_child(pugi::node_element);
    char name[64];   // keys are short: no string to allocate for the terminated copy
    if (key.size() < sizeof name) {
        std::memcpy(name, key.data(), key.size());
        name[key.size()] = '\0';
        element.set_name(name);
    } else {
        element.set_name(std::string(key).c_str());
    }
    return element;
}

pugi::xml_node AddValue(pugi::xml_node node, std::string_view key, std::string_view text)
{
    pugi::xml_node element = AddElement(node, key);
    if (!text.empty())
        element.append_child(pugi::node_pcdata).set_value(text.data(), text.size());
    return element;
}

void SetIndexAttribute(pugi::xml_node element, int index)
{
    pugi::xml_attribute attribute = element.attribute("Index");
    if (!attribute)
        attribute = element.append_attribute("Index");
    attribute.set_value(FormatInteger(index).c_str());
}

void WriteBool(pugi::xml_node node, std::string_view key, bool value,
               std::optional<bool> writeDefault)
{
    if (value != writeDefault)
        AddValue(node, key, FormatBool(value));
}

bool ReadBool(const pugi::xml_node& node, std::string_view key, bool readDefault)
{
    return ParseBool(ValueText(node, key)).value_or(readDefault);
}

void WriteInteger(pugi::xml_node node, std::string_view key, std::int64_t value,
                  std::optional<std::int64_t> writeDefault)
{
    if (value != writeDefault)
        AddValue(node, key, FormatInteger(value));
}

std::int32_t ReadInteger(const pugi::xml_node& node, std::string_view key,
                         std::int32_t readDefault)
{
    return ParseInteger(ValueText(node, key)).value_or(readDefault);
}

void WriteColour(pugi::xml_node node, std::string_view key, std::uint32_t value,
                 std::optional<std::uint32_t> writeDefault)
{
    WriteHex(node, key, value, 8, writeDefault);
}

std::uint32_t ReadColour(const pugi::xml_node& node, std::string_view key,
                         std::uint32_t readDefault)
{
    return ReadHex(node, key, readDefault);
}

void WriteHex(pugi::xml_node node, std::string_view key, std::uint32_t value, int digits,
              std::optional<std::uint32_t> writeDefault)
{
    if (value != writeDefault)
        AddValue(node, key, FormatHex(value, digits));
}

std::uint32_t ReadHex(const pugi::xml_node& node, std::string_view key, std::uint32_t readDefault)
{
    const auto value = ParseInteger(ValueText(node, key));
    return value ? static_cast<std::uint32_t>(*value) : readDefault;
}

void WriteFloat(pugi::xml_node node, std::string_view key, double value,
                std::optional<double> writeDefault)
{
    if (!writeDefault || value != *writeDefault) {
        char text[kFloatTextSize];
        AddValue(node, key, std::string_view(text, FormatFloatTo(text, value)));
    }
}

double ReadFloat(const pugi::xml_node& node, std::string_view key, double readDefault)
{
    return ParseFloat(ValueText(node, key)).value_or(readDefault);
}

void WriteString(pugi::xml_node node, std::string_view key, const QString& value,
                 std::optional<QString> writeDefault)
{
    if (value != writeDefault) {
        const QByteArray utf8 = value.toUtf8();
        AddValue(node, key, std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
    }
}

QString ReadString(const pugi::xml_node& node, std::string_view key, const QString& readDefault)
{
    const pugi::xml_node element = FindValue(node, key);
    if (!element)
        return readDefault;
    const std::string_view text = NodeText(element);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void WritePoint(pugi::xml_node node, std::string_view key, QPointF point)
{
    pugi::xml_node element = AddElement(node, key);
    WriteFloat(element, "X", point.x(), 0.0);
    WriteFloat(element, "Y", point.y(), 0.0);
}

QPointF ReadPoint(const pugi::xml_node& element)
{
    return {ReadFloat(element, "X", 0), ReadFloat(element, "Y", 0)};
}

void SetBinaryText(pugi::xml_node element, QByteArrayView bytes, BinaryEncoding encoding)
{
    const std::string text =
        encoding == BinaryEncoding::Base64 ? EncodeBase64(bytes) : EncodeBinHex(bytes);
    if (!text.empty())
        element.append_child(pugi::node_cdata).set_value(text.data(), text.size());
}

QByteArray BinaryText(const pugi::xml_node& element, BinaryEncoding encoding)
{
    const std::string_view text = NodeText(element);
    return encoding == BinaryEncoding::Base64 ? DecodeBase64(text) : DecodeBinHex(text);
}

void WriteBinary(pugi::xml_node node, std::string_view key, QByteArrayView bytes)
{
    SetBinaryText(AddElement(node, key), bytes);
}

QByteArray ReadBinary(const pugi::xml_node& node, std::string_view key)
{
    return BinaryText(FindValue(node, key));
}

void WriteBinaryData(pugi::xml_node node, std::string_view key, QByteArrayView bytes)
{
    pugi::xml_node data = AddElement(node, key);
    WriteInteger(data, "Size", bytes.size());
    AddValue(data, "Filter", "Base64");
    WriteBinary(data, "Buffer", bytes);
}

QByteArray ReadBinaryData(const pugi::xml_node& node, std::string_view key)
{
    const pugi::xml_node data = FindValue(node, key);
    if (!data)
        return {};
    const std::string_view filter = Trimmed(ValueText(data, "Filter"));
    BinaryEncoding encoding = BinaryEncoding::Base64;
    if (filter == "BinHex")
        encoding = BinaryEncoding::BinHex;
    else if (!filter.empty() && filter != "Base64")
        throw StorageError("Unsupported binary encoding");
    QByteArray bytes = BinaryText(FindValue(data, "Buffer"), encoding);
    // A stated size shorter than the decoded text cuts off stray trailing bytes.
    const std::int32_t size = ReadInteger(data, "Size", -1);
    if (size >= 0 && size < bytes.size())
        bytes.truncate(size);
    return bytes;
}

} // namespace tessaly::document
