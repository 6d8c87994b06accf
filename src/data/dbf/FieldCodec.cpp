#include "data/dbf/FieldCodec.h"

#include "lang/CodePage.h"
#include "data/dbf/DbfError.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace tessaly::data {
namespace {

std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    return TrimTrailingBlanks(s);
}

[[noreturn]] void DoesNotFit(const DbfField& field, std::string_view value)
{
    throw DbfValueError("The value " + std::string(value) + " does not fit the field " + field.name + " ("
        + field.type + " " + std::to_string(field.width) + "," + std::to_string(field.decimals) + ")");
}

std::string FormatNumber(const DbfField& field, std::string_view value)
{
    const std::string_view text = TrimBlanks(value);
    char buffer[64];
    std::to_chars_result written{};
    std::int64_t integer = 0;
    const auto [iend, iec] = std::from_chars(text.data(), text.data() + text.size(), integer);
    if (iec == std::errc() && iend == text.data() + text.size()) {
        if (field.decimals == 0)
            written = std::to_chars(buffer, buffer + sizeof buffer, integer);
        else
            written = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(integer),
                std::chars_format::fixed, field.decimals);
    } else {
        double number = 0;
        const auto [dend, dec] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (dec != std::errc() || dend != text.data() + text.size() || !std::isfinite(number))
            throw DbfValueError("The value " + std::string(value) + " is not a number for the field " + field.name);
        if (field.decimals == 0 && number != std::floor(number))
            throw DbfValueError("The value " + std::string(value) + " is not a whole number for the field " + field.name);
        written = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed, field.decimals);
    }
    if (written.ec != std::errc())
        DoesNotFit(field, value);
    return std::string(buffer, written.ptr);
}

} // namespace

std::string_view TrimTrailingBlanks(std::string_view raw)
{
    // Wide fields are mostly padding: skip it eight bytes at a time.
    constexpr std::uint64_t kBlanks = 0x2020202020202020ull;
    std::size_t size = raw.size();
    while (size >= 8) {
        std::uint64_t word;
        std::memcpy(&word, raw.data() + size - 8, 8);
        if (word != kBlanks)
            break;
        size -= 8;
    }
    while (size > 0 && (raw[size - 1] == ' ' || raw[size - 1] == '\0'))
        --size;
    return raw.substr(0, size);
}

std::string DecodeText(std::string_view raw) { return lang::Windows1252ToUtf8(TrimTrailingBlanks(raw)); }

std::optional<std::int64_t> DecodeInteger(std::string_view raw)
{
    const std::string_view text = TrimBlanks(raw);
    std::int64_t value = 0;
    const char* first = text.data();
    if (!text.empty() && text.front() == '+')
        ++first;
    const auto [end, ec] = std::from_chars(first, text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) {
        const std::optional<double> number = DecodeNumber(raw);
        if (number && *number == std::floor(*number) && std::fabs(*number) < 9.0e18)
            return static_cast<std::int64_t>(*number);
        return std::nullopt;
    }
    return value;
}

std::optional<double> DecodeNumber(std::string_view raw)
{
    const std::string_view text = TrimBlanks(raw);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

void EncodeField(const DbfField& field, std::string_view value, char* dest)
{
    const auto width = static_cast<std::size_t>(field.width);
    std::memset(dest, ' ', width);
    switch (field.type) {
    case 'N':
    case 'F': {
        if (TrimBlanks(value).empty())
            return;
        const std::string text = FormatNumber(field, value);
        if (text.size() > width)
            DoesNotFit(field, value);
        std::memcpy(dest + width - text.size(), text.data(), text.size());
        return;
    }
    default: {
        const std::string bytes = lang::Utf8ToWindows1252(value);
        std::memcpy(dest, bytes.data(), std::min(width, bytes.size()));
        return;
    }
    }
}

} // namespace tessaly::data
