// Code 39 (with its optional modulo-43 check character) and the full-ASCII rewrite shared
// with Code 93 Extended.
#include "barcode/EncoderParts.h"
#include "barcode/Patterns.h"

namespace tessaly::barcode::detail {

namespace {

using patterns::kCode39;

// Row index of each byte in the Code 39 table (first match), or -1.
constexpr std::array<signed char, 256> makeCode39Index()
{
    std::array<signed char, 256> index{};
    index.fill(-1);
    for (std::size_t row = kCode39.size(); row-- > 0;)
        index[static_cast<unsigned char>(kCode39[row].character)] = static_cast<signed char>(row);
    return index;
}
constexpr auto kCode39Index = makeCode39Index();

const patterns::Code39Row& firstRowWithValue(int value)
{
    for (const auto& row : kCode39)
        if (row.checkValue == value)
            return row;
    return kCode39.front();
}

constexpr std::string_view kAsterisk = "515060605";

} // namespace

void encodeCode39(std::string_view data, bool checksum, std::string& modules)
{
    modules.reserve(modules.size() + (data.size() + 3) * 10);
    modules += kAsterisk;
    modules.push_back('0');
    int sum = 0;
    for (char c : data) {
        const int row = kCode39Index[static_cast<unsigned char>(c)];
        if (row < 0)
            continue; // not encodable in Code 39: skipped
        modules += kCode39[row].pattern;
        modules.push_back('0');
        sum += kCode39[row].checkValue;
    }
    if (checksum) {
        modules += firstRowWithValue(sum % 43).pattern;
        modules.push_back('0');
    }
    modules += kAsterisk;
}

std::string fullAscii(std::string_view text, std::string_view shifts)
{
    const char dollar = shifts[0], percent = shifts[1], slash = shifts[2], plus = shifts[3];
    std::string out;
    out.reserve(text.size() * 2);
    auto pair = [&out](char shift, int letter) {
        out.push_back(shift);
        out.push_back(static_cast<char>(letter));
    };
    for (char ch : text) {
        const int c = static_cast<unsigned char>(ch);
        if (c == 0) pair(percent, 'U');
        else if (c <= 26) pair(dollar, 'A' + c - 1);
        else if (c <= 31) pair(percent, 'A' + c - 27);
        else if (c == 32) out.push_back(' ');
        else if (c <= 47) pair(slash, 'A' + c - 33); // "!" .. "/" become /A .. /O
        else if (c <= 57) out.push_back(ch);         // digits
        else if (c == 58) pair(slash, 'Z');
        else if (c <= 63) pair(percent, 'F' + c - 59);
        else if (c == 64) pair(percent, 'V');
        else if (c <= 90) out.push_back(ch);         // capital letters
        else if (c <= 95) pair(percent, 'K' + c - 91);
        else if (c == 96) pair(percent, 'W');
        else if (c <= 122) pair(plus, 'A' + c - 97);
        else if (c <= 127) pair(percent, 'P' + c - 123);
        // 128 and above: dropped
    }
    return out;
}

} // namespace tessaly::barcode::detail
