// Turns the working data into data codewords in one encodation or in the automatic mix.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "datamatrix/SymbolTable.h"
#include "datamatrix/WorkingData.h"

namespace tessaly::datamatrix {

// The data codewords and how they end, which decides whether the final unlatch may go.
struct Encodation {
    std::vector<std::uint8_t> codewords;
    bool endsInC40OrText = false;
    int pendingValues = 0;                         // C40/Text values left over at the end (0, 1 or 2)
    std::optional<std::size_t> optionalUnlatch;    // index of the final unlatch that may be dropped

    void clear() {
        codewords.clear();
        endsInC40OrText = false;
        pendingValues = 0;
        optionalUnlatch.reset();
    }
};

// Encodes `data` with `encoding` into `out` (cleared first).
void Encode(const WorkingData& data, TEncoding encoding, Encodation& out);

}  // namespace tessaly::datamatrix
