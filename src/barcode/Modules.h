// Module strings and element widths: the value the encoders produce and the painter reads.
#pragma once

#include "barcode/BarcodeTypes.h"

#include <array>
#include <string>
#include <string_view>

namespace tessaly::barcode {

// The result of encoding: one module code per element, and the text as the encoding
// rewrote it (trimmed, padded, completed with a check digit).
struct Encoding {
    std::string modules;
    std::string text;
};

enum class ElementKind { Space, Bar, ShortBar };

struct Element {
    ElementKind kind;
    int width;
};

// Device widths of the four module classes (narrow, wide, 1.5 x wide, 2 x wide).
struct ModuleWidths {
    std::array<int, 4> width{};

    // Kind and width of one module code; throws "TAsBarcode: internal Error" for any
    // code other than "0"-"3", "5"-"8" and "A"-"D".
    Element element(char code) const;

    // Sum of the widths of all elements of a module string.
    int total(std::string_view modules) const;
};

// The wide-to-narrow ratio the symbology accepts (2..3, or 2.25..3 for 2 of 5 matrix;
// Code 128, Code 93, MSI, PostNet and the EAN-128 types take any ratio).
double clampRatio(TBarcodeType type, double ratio);

// Widths for a narrow module `modul` and a ratio: modul, modul x ratio (rounded, halves to
// even), that x 3 div 2, that x 2.
ModuleWidths moduleWidths(int modul, double ratio);

// Appends width digits ("1"-"4") as module codes: digits at even offsets are bars,
// the others spaces. Patterns are always appended at a bar position.
void appendWidthDigits(std::string& modules, std::string_view digits);

} // namespace tessaly::barcode
