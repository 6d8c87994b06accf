// The modules of an encoded symbol: columns x rows, dark or light.
#pragma once

#include <cstdint>
#include <vector>

namespace tessaly::datamatrix {

struct ModuleMatrix {
    int columns = 0;
    int rows = 0;
    std::vector<std::uint8_t> cells;  // row by row, 1 dark, 0 light

    bool empty() const { return cells.empty(); }
    bool dark(int x, int y) const { return cells[static_cast<std::size_t>(y * columns + x)] != 0; }
    friend bool operator==(const ModuleMatrix&, const ModuleMatrix&) = default;
};

}  // namespace tessaly::datamatrix
