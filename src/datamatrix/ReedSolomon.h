// Reed-Solomon error correction over GF(256) with the field polynomial 301 and the ECC 200
// generator polynomials (roots alpha^1 to alpha^n).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "datamatrix/SymbolTable.h"

namespace tessaly::datamatrix {

// The `length` error correction codewords of `data`, highest degree first. `length` 1 to 68.
std::vector<std::uint8_t> ErrorCorrection(std::span<const std::uint8_t> data, int length);

// `codewords` holds the symbol's data codewords; appends the error correction codewords of
// every block. The symbol reads the blocks position by position, each block's data followed by
// its error correction, so codeword i belongs to block i mod blocks throughout. In C144X144,
// whose last two blocks have one data codeword less, their error correction comes first; this
// is the order the common readers and encoders use for that size.
void AppendErrorCorrection(std::vector<std::uint8_t>& codewords, const SymbolAttributes& symbol);

}  // namespace tessaly::datamatrix
