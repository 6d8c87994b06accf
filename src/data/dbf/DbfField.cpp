#include "data/dbf/DbfField.h"

#include "data/dbf/DbfError.h"
#include "data/util/Text.h"

#include <charconv>

namespace tessaly::data {
namespace {

int ParseInt(std::string_view s, std::string_view whole)
{
    s = TrimBlanksAndTabs(s);
    int value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size())
        throw DbfError("Invalid field descriptor \"" + std::string(whole) + "\"");
    return value;
}

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

} // namespace

bool SameFieldName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i]))
            return false;
    return true;
}

FieldDescriptor ParseFieldDescriptor(std::string_view text)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    if (parts.size() != 4 || TrimBlanksAndTabs(parts[1]).size() != 1)
        throw DbfError("Invalid field descriptor \"" + std::string(text) + "\"");
    FieldDescriptor field;
    field.name = std::string(TrimBlanksAndTabs(parts[0]));
    field.type = Upper(TrimBlanksAndTabs(parts[1])[0]);
    field.width = ParseInt(parts[2], text);
    field.decimals = ParseInt(parts[3], text);
    CheckFieldDescriptor(field);
    return field;
}

void CheckFieldDescriptor(const FieldDescriptor& f)
{
    const auto fail = [&](const std::string& why) {
        throw DbfError("Invalid field \"" + f.name + "\": " + why);
    };
    if (f.name.empty() || f.name.size() > 10)
        fail("a field name has 1 to 10 characters");
    for (const char c : f.name)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'))
            fail("a field name holds only letters, digits and '_'");
    switch (f.type) {
    case 'C':
        if (f.width < 1 || f.width > kMaxTextWidth)
            fail("width out of range");
        if (f.decimals != 0)
            fail("a text field has no decimals");
        break;
    case 'N':
    case 'F':
        if (f.width < 1 || f.width > kMaxNumberWidth)
            fail("a numeric field has a width of 1 to 19");
        if (f.decimals < 0 || (f.decimals > 0 && f.decimals > f.width - 2))
            fail("decimals out of range");
        break;
    case 'L':
        if (f.width != 1 || f.decimals != 0)
            fail("a logical field has width 1");
        break;
    case 'D':
        if (f.width != 8 || f.decimals != 0)
            fail("a date field has width 8");
        break;
    default:
        fail(std::string("unsupported field type '") + f.type + "'");
    }
}

std::string DescribeField(const FieldDescriptor& f)
{
    return f.name + ", " + f.type + ", " + std::to_string(f.width) + ", " + std::to_string(f.decimals);
}

std::vector<std::string> DefaultArticleSchemaTexts()
{
    std::vector<std::string> texts{"num,N,6,0"};
    for (int n = 1; n <= 15; ++n)
        texts.push_back("f" + std::to_string(n) + ",C,100,0");
    texts.push_back("quantite,N,3,0");
    texts.push_back("topp,C,2,0");
    return texts;
}

std::vector<FieldDescriptor> DefaultArticleSchema()
{
    std::vector<FieldDescriptor> fields;
    for (const std::string& text : DefaultArticleSchemaTexts())
        fields.push_back(ParseFieldDescriptor(text));
    return fields;
}

std::vector<FieldDescriptor> ArticleSchemaWithWidths(const std::vector<int>& widths)
{
    std::vector<FieldDescriptor> fields = DefaultArticleSchema();
    for (std::size_t i = 0; i < widths.size() && i < 15; ++i)
        fields[i + 1].width = widths[i];
    for (const FieldDescriptor& f : fields)
        CheckFieldDescriptor(f);
    return fields;
}

} // namespace tessaly::data
