// Code 93 with its two mandatory check characters C and K.
#include "barcode/BarcodeError.h"
#include "barcode/EncoderParts.h"
#include "barcode/Patterns.h"

#include <vector>

namespace tessaly::barcode::detail {

namespace {

using patterns::kCode93;
using patterns::kCode93Characters;

constexpr std::array<signed char, 256> makeCode93Index()
{
    std::array<signed char, 256> index{};
    index.fill(-1);
    for (std::size_t v = 0; v < kCode93Characters.size(); ++v)
        index[static_cast<unsigned char>(kCode93Characters[v])] = static_cast<signed char>(v);
    return index;
}
constexpr auto kCode93Index = makeCode93Index();

// Weighted sum from the last value to the first, weights `first`, first + 1 ... `cycle`, 1, 2 ...
int weightedSum(const std::vector<int>& values, int first, int cycle)
{
    int sum = 0;
    int weight = first;
    for (auto it = values.rbegin(); it != values.rend(); ++it) {
        sum += *it * weight;
        weight = weight == cycle ? 1 : weight + 1;
    }
    return sum;
}

} // namespace

void encodeCode93(std::string_view data, std::string_view originalText, std::string& modules)
{
    std::vector<int> values;
    values.reserve(data.size());
    for (char c : data) {
        const int v = kCode93Index[static_cast<unsigned char>(c)];
        if (v < 0)
            throw BarcodeError(std::string(kEngineClassName) + ":Code93 bad Data <" +
                               std::string(originalText) + ">");
        values.push_back(v);
    }
    const int c = weightedSum(values, 1, 20) % 47;
    const int k = (weightedSum(values, 2, 15) + c) % 47;

    modules.reserve(modules.size() + (values.size() + 4) * 6);
    appendWidthDigits(modules, patterns::kCode93Start);
    for (int v : values)
        appendWidthDigits(modules, kCode93[v]);
    appendWidthDigits(modules, kCode93[c]);
    appendWidthDigits(modules, kCode93[k]);
    appendWidthDigits(modules, patterns::kCode93Stop);
}

} // namespace tessaly::barcode::detail
