// ECC 200 module placement: the mapping matrix and its spreading over the data regions with
// their finder and clock patterns.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "datamatrix/ModuleMatrix.h"
#include "datamatrix/SymbolTable.h"

namespace tessaly::datamatrix {

// The mapping matrix of `rows` x `columns` modules, row by row: 0 or 1 for the fixed modules
// of the bottom-right corner (and 0 for none), otherwise codeword number (from 1) x 10 + bit
// number (1 the most significant).
std::vector<int> MappingMatrix(int rows, int columns);

// The symbol of `format` holding `codewords` (data then error correction, in symbol order).
void PlaceCodewords(std::span<const std::uint8_t> codewords, TFormat format, ModuleMatrix& out);

}  // namespace tessaly::datamatrix
