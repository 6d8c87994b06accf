// ECC 200 symbol attribute table, one row per TFormat value 1 to 30.
#include "datamatrix/SymbolTable.h"

namespace tessaly::datamatrix {

namespace {

// rows, columns, region rows, region columns, regions, mapping rows, mapping columns,
// data codewords, error codewords, data per block, error per block, blocks
constexpr std::array<SymbolAttributes, kFormatCount> kSymbols{{
    {10, 10, 8, 8, 1, 8, 8, 3, 5, 3, 5, 1},  // C10X10
    {12, 12, 10, 10, 1, 10, 10, 5, 7, 5, 7, 1},
    {14, 14, 12, 12, 1, 12, 12, 8, 10, 8, 10, 1},
    {16, 16, 14, 14, 1, 14, 14, 12, 12, 12, 12, 1},
    {18, 18, 16, 16, 1, 16, 16, 18, 14, 18, 14, 1},
    {20, 20, 18, 18, 1, 18, 18, 22, 18, 22, 18, 1},  // C20X20
    {22, 22, 20, 20, 1, 20, 20, 30, 20, 30, 20, 1},
    {24, 24, 22, 22, 1, 22, 22, 36, 24, 36, 24, 1},
    {26, 26, 24, 24, 1, 24, 24, 44, 28, 44, 28, 1},
    {32, 32, 14, 14, 4, 28, 28, 62, 36, 62, 36, 1},
    {36, 36, 16, 16, 4, 32, 32, 86, 42, 86, 42, 1},  // C36X36
    {40, 40, 18, 18, 4, 36, 36, 114, 48, 114, 48, 1},
    {44, 44, 20, 20, 4, 40, 40, 144, 56, 144, 56, 1},
    {48, 48, 22, 22, 4, 44, 44, 174, 68, 174, 68, 1},
    {52, 52, 24, 24, 4, 48, 48, 204, 84, 102, 42, 2},
    {64, 64, 14, 14, 16, 56, 56, 280, 112, 140, 56, 2},  // C64X64
    {72, 72, 16, 16, 16, 64, 64, 368, 144, 92, 36, 4},
    {80, 80, 18, 18, 16, 72, 72, 456, 192, 114, 48, 4},
    {88, 88, 20, 20, 16, 80, 80, 576, 224, 144, 56, 4},
    {96, 96, 22, 22, 16, 88, 88, 696, 272, 174, 68, 4},
    {104, 104, 24, 24, 16, 96, 96, 816, 336, 136, 56, 6},  // C104X104
    {120, 120, 18, 18, 36, 108, 108, 1050, 408, 175, 68, 6},
    {132, 132, 20, 20, 36, 120, 120, 1304, 496, 163, 62, 8},
    {144, 144, 22, 22, 36, 132, 132, 1558, 620, 156, 62, 10},
    {8, 18, 6, 16, 1, 6, 16, 5, 7, 5, 7, 1},  // C8X18
    {8, 32, 6, 14, 2, 6, 28, 10, 11, 10, 11, 1},
    {12, 26, 10, 24, 1, 10, 24, 16, 14, 16, 14, 1},
    {12, 36, 10, 16, 2, 10, 32, 22, 18, 22, 18, 1},
    {16, 36, 14, 16, 2, 14, 32, 32, 24, 32, 24, 1},
    {16, 48, 14, 22, 2, 14, 44, 49, 28, 49, 28, 1},  // C16X48
}};

constexpr std::array<const char*, kFormatCount + 1> kNames{
    "AUTO",     "C10X10",   "C12X12",   "C14X14",   "C16X16", "C18X18", "C20X20", "C22X22",
    "C24X24",   "C26X26",   "C32X32",   "C36X36",   "C40X40", "C44X44", "C48X48", "C52X52",
    "C64X64",   "C72X72",   "C80X80",   "C88X88",   "C96X96", "C104X104", "C120X120",
    "C132X132", "C144X144", "C8X18",    "C8X32",    "C12X26", "C12X36", "C16X36", "C16X48"};

bool IsSize(TFormat format) {
    const int value = static_cast<int>(format);
    return value >= 1 && value <= kFormatCount;
}

}  // namespace

const SymbolAttributes& Attributes(TFormat format) {
    return kSymbols[static_cast<std::size_t>(TableIndex(format))];
}

std::optional<FormatChoice> ChooseFormat(std::size_t codewords, TFormat preferred,
                                         bool finalUnlatchOptional) {
    if (IsSize(preferred) && codewords <= static_cast<std::size_t>(Attributes(preferred).dataCodewords))
        return FormatChoice{preferred, false};
    for (int i = 0; i < kFormatCount; ++i) {
        const auto capacity = static_cast<std::size_t>(kSymbols[i].dataCodewords);
        if (finalUnlatchOptional && capacity + 1 == codewords) return FormatChoice{FormatAt(i), true};
        if (codewords <= capacity) return FormatChoice{FormatAt(i), false};
    }
    return std::nullopt;
}

const char* FormatName(TFormat format) {
    const int value = static_cast<int>(format);
    return value >= 0 && value <= kFormatCount ? kNames[static_cast<std::size_t>(value)] : "";
}

}  // namespace tessaly::datamatrix
