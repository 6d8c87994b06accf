// Check keys and value completion.
#include "barcode/CheckKeys.h"

#include "barcode/TextInput.h"

namespace tessaly::barcode {

namespace {

// Weighted sum with weights alternating `first`, 4 - first ... from the left.
int sumFromLeft(std::string_view digits, int first)
{
    int sum = 0;
    int weight = first;
    for (char c : digits) {
        sum += weight * digitValue(c);
        weight = 4 - weight;
    }
    return sum;
}

std::string withKey(std::string_view digits, int key)
{
    std::string out(digits);
    out.push_back(static_cast<char>('0' + key));
    return out;
}

// The amount that brings the sum up to the next multiple of 10.
int toNextTen(int sum) { return (10 - sum % 10) % 10; }

// (1000 - sum) mod 10, taken non-negative for sums of 1000 and more.
int fromThousand(int sum) { return ((1000 - sum) % 10 + 10) % 10; }

std::string leftKey(std::string_view digits, std::size_t length, int firstWeight)
{
    if (digits.size() != length)
        return {};
    return withKey(digits, toNextTen(sumFromLeft(digits, firstWeight)));
}

std::string rightKey(std::string_view digits, std::size_t length)
{
    if (digits.size() != length)
        return {};
    return withKey(digits, fromThousand(weightedSumFromRight(digits)));
}

// Left-pad with "0" to `length`, then keep the leftmost `length` characters.
std::string fitLeft(std::string_view value, std::size_t length)
{
    return zeroPad(value, length).substr(0, length);
}

// Identifier (first two characters) + key of the rest, after fitting to `length`.
std::string withIdentifier(std::string_view value, std::size_t length,
                           std::string (*key)(std::string_view))
{
    const std::string fitted = fitLeft(value, length);
    return fitted.substr(0, 2) + key(std::string_view(fitted).substr(2));
}

} // namespace

std::string Ean13Key(std::string_view digits) { return leftKey(digits, 12, 1); }
std::string Ean8Key(std::string_view digits) { return leftKey(digits, 7, 3); }
std::string UpcAKey(std::string_view digits) { return leftKey(digits, 11, 3); }
std::string Ean14Key(std::string_view digits) { return rightKey(digits, 13); }
std::string SsccKey(std::string_view digits) { return rightKey(digits, 17); }

std::string Modulo10Key(std::string_view digits)
{
    return withKey(digits, fromThousand(weightedSumFromRight(digits)));
}

std::string IsbnKey(std::string_view digits)
{
    if (digits.size() != 9)
        return {};
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i)
        sum += static_cast<int>(10 - i) * digitValue(digits[i]);
    const int r = sum % 11;
    const int key = r == 0 ? 0 : 11 - r;
    std::string out(digits);
    out.push_back(key == 10 ? 'X' : static_cast<char>('0' + key));
    return out;
}

std::string CompleteWithKey(std::string_view value, std::string_view keyType)
{
    if (keyType == "EAN13")
        return Ean13Key(fitLeft(value, 12));
    if (keyType == "EAN8")
        return Ean8Key(fitLeft(value, 7));
    if (keyType == "UPCA")
        return UpcAKey(fitLeft(value, 11));
    if (keyType == "EAN14")
        return withIdentifier(value, 15, Ean14Key);
    if (keyType == "SSCC")
        return withIdentifier(value, 19, SsccKey);
    return {};
}

std::vector<std::string> KeyTypesForSymbology(std::string_view listItem)
{
    std::vector<std::string> types{""};
    if (listItem == "CodeEAN13")
        types.emplace_back("EAN13");
    else if (listItem == "CodeEAN8")
        types.emplace_back("EAN8");
    else if (listItem == "CodeUPC_A")
        types.emplace_back("UPCA");
    else if (listItem == "CodeEAN128A" || listItem == "CodeEAN128B" || listItem == "CodeEAN128C")
        types.insert(types.end(), {"EAN14", "SSCC"});
    return types;
}

std::string DefaultKeyType(std::string_view listItem)
{
    if (listItem == "CodeEAN13")
        return "EAN13";
    if (listItem == "CodeEAN8")
        return "EAN8";
    if (listItem == "CodeUPC_A")
        return "UPCA";
    return {};
}

} // namespace tessaly::barcode
