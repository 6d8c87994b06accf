// Fuzzes the DataMatrix encoder: the first byte picks the encodation and tilde processing, the
// second the preferred format, the rest is `Code`. Every symbol made must be whole.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "datamatrix/Datamatrix.h"

using namespace tessaly::datamatrix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    TDatamatrix symbol;
    symbol.setEncoding(static_cast<TEncoding>(data[0] % 6));
    symbol.setProcessTilde((data[0] & 0x80) != 0);
    symbol.setPreferredFormat(static_cast<TFormat>(data[1] % (kFormatCount + 1)));
    symbol.setCode(std::string(reinterpret_cast<const char*>(data + 2), size - 2));
    if (!symbol.Rebuild()) return 0;

    const SymbolAttributes& s = Attributes(symbol.CalculatedFormat());
    const ModuleMatrix& m = symbol.Matrix();
    if (m.columns != s.columns || m.rows != s.rows || m.cells.size() != std::size_t(s.columns * s.rows) ||
        symbol.Codewords().size() != std::size_t(s.totalCodewords()))
        std::abort();
    // The finder pattern is intact whatever the data.
    for (int y = 0; y < m.rows; ++y)
        if (!m.dark(0, y)) std::abort();
    for (int x = 0; x < m.columns; ++x)
        if (!m.dark(x, m.rows - 1)) std::abort();
    return 0;
}
