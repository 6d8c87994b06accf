// The painting geometry of a barcode as plain values: filled quadrilaterals for the bars and
// spaces, and the placements of the text line, all in integer device units.
#pragma once

#include "barcode/BarcodeTypes.h"
#include "barcode/Modules.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::barcode {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// One element of the module string, as the polygon (x, 0), (x, h), (x + w - 1, h),
// (x + w - 1, 0) of the bar frame mapped to the surface. Painted filled and outlined with a
// one-unit pen of the same colour, it covers w units across.
struct BarPolygon {
    std::array<Point, 4> corners;
    std::uint32_t color = 0; // $00BBGGRR
};

// A text drawn with its top-left corner at `at` (before rotation by the text angle).
struct TextPlacement {
    Point at;
    std::string text; // bytes of the text as stored (Windows-1252)
};

struct TextExtent {
    int width = 0;
    int height = 0;
};
// Measures a text in the font of the text line (width and full line height).
using MeasureText = std::function<TextExtent(std::string_view)>;

struct BarcodeGeometry {
    std::vector<BarPolygon> bars;
    std::vector<TextPlacement> texts;
    double textAngle = 0;           // degrees, counter-clockwise, in steps of 0.1
    int width = 0;                  // total width of the module string
    std::array<int, 13> digitPositions{}; // EAN-8 / EAN-13 digit offsets from `Left`
};

// Where and how the bars go: everything the bar geometry needs besides the modules.
struct BarFrame {
    TBarcodeType type = bcCodeEAN13;
    int left = 0;
    int top = 0;
    int height = 0;
    double angle = 0;                 // degrees
    std::uint32_t color = 0xFFFFFF;   // spaces
    std::uint32_t colorBar = 0;       // bars
};

// Bars, spaces, EAN guard bars and EAN digit positions of a module string.
void layoutBars(const BarFrame& frame, std::string_view modules, const ModuleWidths& widths,
                BarcodeGeometry& geometry);

// Everything the text line needs.
struct TextLine {
    TBarcodeOption show = bcoNone;
    TShowTextPosition position = stpTopLeft;
    std::string_view text;        // `Text`
    std::string_view textAff;     // `TextAff`
    std::string_view textFormat;  // `TextFormatA`
};

// Placements of the text line after layoutBars (uses its width and digit positions).
void layoutText(const BarFrame& frame, const TextLine& line, const MeasureText& measure,
                BarcodeGeometry& geometry);

// The display mask: each "?" takes the next data character (nothing once the data is used
// up), other mask characters are copied, data left over is appended. "??-??" + "1234" = "12-34".
std::string applyDisplayMask(std::string_view mask, std::string_view data);

// Rounds to the nearest integer, halves to even, clamped to the int range (NaN gives 0).
int roundHalfEven(double value);

} // namespace tessaly::barcode
