// Enumerations of the linear barcode engine and the table of its 23 symbologies.
// The ordinals are stored in documents, so neither names nor order may change.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tessaly::barcode {

enum class TBarcodeType : int {
    bcCode_2_5_interleaved, // 0
    bcCode_2_5_industrial,
    bcCode_2_5_matrix,
    bcCode39,
    bcCode39Extended,
    bcCode128A, // 5
    bcCode128B,
    bcCode128C,
    bcCode93,
    bcCode93Extended,
    bcCodeMSI, // 10
    bcCodePostNet,
    bcCodeCodabar,
    bcCodeEAN8,
    bcCodeEAN13,
    bcCodeUPC_A, // 15
    bcCodeUPC_E0,
    bcCodeUPC_E1,
    bcCodeUPC_Supp2,
    bcCodeUPC_Supp5,
    bcCodeEAN128A, // 20
    bcCodeEAN128B,
    bcCodeEAN128C,
};
using enum TBarcodeType;

inline constexpr int kBarcodeTypeCount = 23;

// What the text line under or above the bars shows.
enum class TBarcodeOption : int { bcoNone, bcoCode, bcoTyp, bcoBoth };
using enum TBarcodeOption;

enum class TShowTextPosition : int {
    stpTopLeft, stpTopRight, stpTopCenter, stpBottomLeft, stpBottomRight, stpBottomCenter
};
using enum TShowTextPosition;

enum class TCheckSumMethod : int { csmNone, csmModulo10 };
using enum TCheckSumMethod;

// One row per symbology, in ordinal order.
struct TBCdata {
    std::string_view name;     // shown by bcoTyp
    bool numericOnly;          // text must be digits (after trimming)
    std::string_view listItem; // the item of the main window's type list
};

inline constexpr std::array<TBCdata, kBarcodeTypeCount> kSymbologies{{
    {"2_5_interleaved", true, "Code_2_5_interleaved"}, // 0
    {"2_5_industrial", true, "Code_2_5_industrial"},
    {"2_5_matrix", true, "Code_2_5_matrix"},
    {"Code39", false, "Code39"},
    {"Code39 Extended", false, "Code39Extended"},
    {"Code128A", false, "Code128A"}, // 5
    {"Code128B", false, "Code128B"},
    {"Code128C", true, "Code128C"},
    {"Code93", false, "Code93"},
    {"Code93 Extended", false, "Code93Extended"},
    {"MSI", true, "CodeMSI"}, // 10
    {"PostNet", true, "CodePostNet"},
    {"Codebar", false, "CodeCodabar"},
    {"EAN8", true, "CodeEAN8"},
    {"EAN13", true, "CodeEAN13"},
    {"UPC_A", true, "CodeUPC_A"}, // 15
    {"UPC_E0", true, "CodeUPC_E0"},
    {"UPC_E1", true, "CodeUPC_E1"},
    {"UPC Supp2", true, "CodeUPC_Supp2"},
    {"UPC Supp5", true, "CodeUPC_Supp5"},
    {"EAN128A", false, "CodeEAN128A"}, // 20
    {"EAN128B", false, "CodeEAN128B"},
    {"EAN128C", true, "CodeEAN128C"},
}};

constexpr bool isKnownType(TBarcodeType type)
{
    const int ordinal = static_cast<int>(type);
    return ordinal >= 0 && ordinal < kBarcodeTypeCount;
}

// The row of a symbology; throws "TAsBarcode: wrong BarcodeType" for an ordinal out of range.
const TBCdata& symbology(TBarcodeType type);

// The type whose list item is `item` ("CodeEAN13" ...), or nothing.
std::optional<TBarcodeType> typeFromListItem(std::string_view item);

// The byte that stands for function 1 in EAN-128 texts.
inline constexpr char kFnc1 = static_cast<char>(131);

} // namespace tessaly::barcode
