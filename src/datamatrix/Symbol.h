// From text to modules: working data, codewords, size, padding, error correction, placement.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "datamatrix/Encodation.h"
#include "datamatrix/ModuleMatrix.h"
#include "datamatrix/SymbolTable.h"
#include "datamatrix/WorkingData.h"

namespace tessaly::datamatrix {

struct EncodedSymbol {
    TFormat format = TFormat::AUTO;
    std::vector<std::uint8_t> codewords;  // data (with pads) then error correction, in symbol order
    ModuleMatrix matrix;
};

// Scratch buffers kept between encodings so a reused encoder does not allocate.
struct SymbolEncoder {
    WorkingData data;
    Encodation encodation;

    // Encodes `code` into `out`; false, leaving `out` as it was, when the working data is empty
    // or fits no size.
    bool encode(std::string_view code, TEncoding encoding, TFormat preferred, bool processTilde,
                EncodedSymbol& out);
};

// Fills the data codewords up to the size's capacity: the first pad 129, later ones randomised
// with the 253-state algorithm at their 1-based position.
void AppendPads(std::vector<std::uint8_t>& codewords, std::size_t capacity);

}  // namespace tessaly::datamatrix
