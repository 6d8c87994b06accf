// MSI (with its modulo-10 check digit), PostNet and Codabar.
#include "barcode/EncoderParts.h"
#include "barcode/Patterns.h"
#include "barcode/TextInput.h"

namespace tessaly::barcode::detail {

namespace {

// Sum of the decimal digits of 2 x N, N being the decimal number `number` (any length):
// doubling digit by digit from the right, each result digit is 2d + carry.
int digitSumOfDouble(std::string_view number)
{
    int sum = 0;
    int carry = 0;
    for (auto it = number.rbegin(); it != number.rend(); ++it) {
        const int v = 2 * digitValue(*it) + carry;
        sum += v % 10;
        carry = v / 10;
    }
    return sum + carry;
}

// N is formed by the digits at the 1st, 3rd ... positions, S sums those at the 2nd, 4th ...
char msiCheckDigit(std::string_view digits)
{
    std::string n;
    int s = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i % 2 == 0)
            n.push_back(digits[i]);
        else
            s += digitValue(digits[i]);
    }
    const int t = (digitSumOfDouble(n) + s) % 10;
    return static_cast<char>('0' + (t > 0 ? 10 - t : 0));
}

} // namespace

void encodeMsi(std::string_view digits, std::string& modules)
{
    modules += "60";
    for (char d : digits)
        modules += patterns::kMsi[digitValue(d)];
    modules += patterns::kMsi[digitValue(msiCheckDigit(digits))];
    modules += "515";
}

void encodePostNet(std::string_view digits, std::string& modules)
{
    modules += "51";
    for (char d : digits)
        modules += patterns::kPostNet[digitValue(d)];
    modules += "5";
}

void encodeCodabar(std::string_view data, std::string& modules)
{
    auto find = [](char c) -> const patterns::CodabarRow* {
        for (const auto& row : patterns::kCodabar)
            if (row.character == c)
                return &row;
        return nullptr;
    };
    modules += find('A')->pattern;
    modules.push_back('0');
    for (char c : data) {
        if (const auto* row = find(c)) { // characters outside the table are skipped
            modules += row->pattern;
            modules.push_back('0');
        }
    }
    modules += find('B')->pattern;
}

} // namespace tessaly::barcode::detail
