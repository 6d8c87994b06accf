// GF(256) arithmetic tables and the shift-register division by the generator polynomial.
#include "datamatrix/ReedSolomon.h"

#include <array>

namespace tessaly::datamatrix {

namespace {

constexpr int kFieldPolynomial = 301;
constexpr int kMaxLength = 68;

struct Field {
    std::array<std::uint8_t, 512> exp{};  // doubled so log a + log b needs no modulo
    std::array<int, 256> log{};
};

constexpr Field MakeField() {
    Field field;
    int value = 1;
    for (int i = 0; i < 255; ++i) {
        field.exp[i] = field.exp[i + 255] = static_cast<std::uint8_t>(value);
        field.log[value] = i;
        value <<= 1;
        if (value & 0x100) value ^= kFieldPolynomial;
    }
    return field;
}

constexpr Field kField = MakeField();

constexpr std::uint8_t Multiply(std::uint8_t a, std::uint8_t b) {
    return a == 0 || b == 0 ? 0 : kField.exp[kField.log[a] + kField.log[b]];
}

// Coefficients of the generator of each length, g[n][k] for x^k, the leading 1 included.
using Generator = std::array<std::uint8_t, kMaxLength + 1>;

constexpr std::array<Generator, kMaxLength + 1> MakeGenerators() {
    std::array<Generator, kMaxLength + 1> generators{};
    Generator g{};
    g[0] = 1;
    for (int n = 1; n <= kMaxLength; ++n) {
        // g *= (x + alpha^n)
        const std::uint8_t root = kField.exp[n];
        for (int k = n; k >= 1; --k) g[k] = static_cast<std::uint8_t>(g[k - 1] ^ Multiply(g[k], root));
        g[0] = Multiply(g[0], root);
        generators[n] = g;
    }
    return generators;
}

constexpr auto kGenerators = MakeGenerators();

// Divides the `count` data codewords read every `stride` from `data` by the generator of
// `length` and writes the remainder every `outStride` to `ecc`, highest degree first.
void Divide(const std::uint8_t* data, std::size_t count, std::size_t stride, int length, std::uint8_t* ecc,
            std::size_t outStride) {
    const Generator& g = kGenerators[length];
    std::array<std::uint8_t, kMaxLength> remainder{};  // remainder[k] holds x^k
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t feedback = data[i * stride] ^ remainder[length - 1];
        if (feedback == 0) {
            for (int k = length - 1; k >= 1; --k) remainder[k] = remainder[k - 1];
            remainder[0] = 0;
            continue;
        }
        const int logFeedback = kField.log[feedback];
        for (int k = length - 1; k >= 1; --k)
            remainder[k] = remainder[k - 1] ^ (g[k] ? kField.exp[logFeedback + kField.log[g[k]]] : 0);
        remainder[0] = g[0] ? kField.exp[logFeedback + kField.log[g[0]]] : 0;
    }
    for (int j = 0; j < length; ++j) ecc[j * outStride] = remainder[length - 1 - j];
}

}  // namespace

std::vector<std::uint8_t> ErrorCorrection(std::span<const std::uint8_t> data, int length) {
    std::vector<std::uint8_t> ecc(static_cast<std::size_t>(length));
    if (length >= 1 && length <= kMaxLength) Divide(data.data(), data.size(), 1, length, ecc.data(), 1);
    return ecc;
}

void AppendErrorCorrection(std::vector<std::uint8_t>& codewords, const SymbolAttributes& symbol) {
    const auto data = static_cast<std::size_t>(symbol.dataCodewords);
    const auto blocks = static_cast<std::size_t>(symbol.blocks);
    codewords.resize(data + static_cast<std::size_t>(symbol.errorCodewords));
    for (std::size_t b = 0; b < blocks; ++b) {
        const std::size_t count = (data - b + blocks - 1) / blocks;  // 155 for the last two of C144X144
        Divide(codewords.data() + b, count, blocks, symbol.errorPerBlock, codewords.data() + count * blocks + b,
               blocks);
    }
}

}  // namespace tessaly::datamatrix
