// Shared text checks of the barcode engine.
#include "barcode/TextInput.h"

#include "barcode/BarcodeTypes.h"

namespace tessaly::barcode {

namespace {
constexpr bool isBlank(char c) { return static_cast<unsigned char>(c) <= 32; }
} // namespace

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isDigitText(std::string_view text, bool allowFnc1)
{
    for (char c : text)
        if (!isDigit(c) && !(allowFnc1 && c == kFnc1))
            return false;
    return true;
}

std::string zeroPad(std::string_view text, std::size_t length)
{
    std::string padded;
    if (text.size() < length)
        padded.assign(length - text.size(), '0');
    padded.append(text);
    return padded;
}

int weightedSumFromRight(std::string_view digits)
{
    int sum = 0;
    int weight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum += weight * digitValue(*it);
        weight = 4 - weight;
    }
    return sum;
}

char modulo10CheckDigit(std::string_view digits)
{
    const int r = weightedSumFromRight(digits) % 10;
    return static_cast<char>('0' + (r == 0 ? 0 : 10 - r));
}

} // namespace tessaly::barcode
