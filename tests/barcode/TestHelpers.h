// Helpers shared by the barcode tests: module strings as readable bar patterns.
#pragma once

#include "barcode/Modules.h"

#include <string>
#include <string_view>

namespace tessaly::barcode::test {

// One character per device unit: "1" bar (full or short), "0" space; trailing spaces dropped.
inline std::string toBits(std::string_view modules, const ModuleWidths& widths)
{
    std::string bits;
    for (char code : modules) {
        const Element e = widths.element(code);
        bits.append(static_cast<std::size_t>(e.width), e.kind == ElementKind::Space ? '0' : '1');
    }
    while (!bits.empty() && bits.back() == '0')
        bits.pop_back();
    return bits;
}

// One letter per bar: "T" full height, "S" short.
inline std::string toBarHeights(std::string_view modules)
{
    std::string heights;
    for (char code : modules) {
        if (code >= '5' && code <= '8')
            heights.push_back('T');
        else if (code >= 'A' && code <= 'D')
            heights.push_back('S');
    }
    return heights;
}

} // namespace tessaly::barcode::test
