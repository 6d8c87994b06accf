// The ECC 200 symbol sizes: the enumerations stored by the DataMatrix shape and the attribute
// table with the lookup that picks a size for a number of data codewords.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

namespace tessaly::datamatrix {

// Encodation, stored as its ordinal.
enum class TEncoding { E_ASCII = 0, E_C40, E_TEXT, E_BASE256, E_NONE, E_AUTO };

// Symbol size, stored as its ordinal: AUTO, the 24 squares, then the 6 rectangles.
enum class TFormat {
    AUTO = 0,
    C10X10, C12X12, C14X14, C16X16, C18X18, C20X20, C22X22, C24X24, C26X26, C32X32,
    C36X36, C40X40, C44X44, C48X48, C52X52, C64X64, C72X72, C80X80, C88X88, C96X96,
    C104X104, C120X120, C132X132, C144X144,
    C8X18, C8X32, C12X26, C12X36, C16X36, C16X48,
};

inline constexpr int kFormatCount = 30;  // TFormat values 1 to 30

// The twelve attributes of one symbol size.
struct SymbolAttributes {
    int rows;
    int columns;
    int regionRows;     // data region rows, without finder and clock lines
    int regionColumns;  // data region columns, without finder and clock lines
    int regions;
    int mappingRows;
    int mappingColumns;
    int dataCodewords;
    int errorCodewords;
    int dataPerBlock;
    int errorPerBlock;
    int blocks;

    int totalCodewords() const { return dataCodewords + errorCodewords; }
};

// Attributes of a size; `format` must not be AUTO.
const SymbolAttributes& Attributes(TFormat format);

// The format of table row `index` (0 to 29).
constexpr TFormat FormatAt(int index) { return static_cast<TFormat>(index + 1); }
constexpr int TableIndex(TFormat format) { return static_cast<int>(format) - 1; }

struct FormatChoice {
    TFormat format;
    bool dropsFinalUnlatch;  // the size is filled exactly once the optional final unlatch goes
};

// The size for `codewords` data codewords: the preferred format when it is not AUTO and holds
// them, otherwise the first size in table order that does; with `finalUnlatchOptional`, a size
// filled exactly by all codewords but the final unlatch is taken too. Empty when nothing fits.
std::optional<FormatChoice> ChooseFormat(std::size_t codewords, TFormat preferred,
                                         bool finalUnlatchOptional);

// The name shown in the format list ("C10X10", ...; "AUTO" for AUTO).
const char* FormatName(TFormat format);

}  // namespace tessaly::datamatrix
