#include "data/sql/TextFilter.h"

#include "data/dbf/FieldCodec.h"
#include "lang/CodePage.h"

#include <algorithm>
#include <cstring>

namespace tessaly::data {
namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsAscii(std::string_view s)
{
    for (const char c : s)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// SQLite's BINARY comparison: bytes, then length.
int Compare(std::string_view a, std::string_view b)
{
    const int c = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
    if (c != 0)
        return c;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

} // namespace

bool LikePrefix(std::string_view pattern, std::string& prefix)
{
    if (pattern.empty() || pattern.back() != '%')
        return false;
    pattern.remove_suffix(1);
    if (pattern.find_first_of("%_") != std::string_view::npos)
        return false;
    prefix.clear();
    for (const char c : pattern)
        prefix.push_back(FoldAscii(c));
    return true;
}

bool TextFilter::passes(std::string_view slot) const
{
    const std::string_view raw = TrimTrailingBlanks(slot);
    std::string converted;
    std::string_view text = raw;
    if (!IsAscii(raw)) {
        converted = lang::Windows1252ToUtf8(raw);
        text = converted;
    }
    if (op == Op::Prefix) {
        if (text.size() < value.size())
            return false;
        for (std::size_t i = 0; i < value.size(); ++i)
            if (FoldAscii(text[i]) != value[i])
                return false;
        return true;
    }
    const int c = Compare(text, value);
    switch (op) {
    case Op::Equal:
        return c == 0;
    case Op::Greater:
        return c > 0;
    case Op::GreaterEqual:
        return c >= 0;
    case Op::Less:
        return c < 0;
    case Op::LessEqual:
        return c <= 0;
    default:
        return true;
    }
}

} // namespace tessaly::data
