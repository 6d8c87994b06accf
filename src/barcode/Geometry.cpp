// Bar polygons, guard bars, digit positions and text placements of a barcode.
#include "barcode/Geometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>
#include <span>

namespace tessaly::barcode {

int roundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    const double r = std::nearbyint(value); // default rounding mode: halves to even
    return static_cast<int>(std::clamp(r, double(INT_MIN), double(INT_MAX)));
}

namespace {

// The bar frame rotated by the angle and moved so the rotated W x H rectangle lies to the
// right of and below (left, top).
struct Rotation {
    double s = 0, c = 1;
    Point origin;

    Rotation(const BarFrame& frame, int width)
        : s(std::sin(frame.angle / 180 * std::numbers::pi)),
          c(std::cos(frame.angle / 180 * std::numbers::pi))
    {
        const int h = frame.height;
        if (s >= 0 && c >= 0)
            origin = {0, roundHalfEven(s * width)};
        else if (s >= 0)
            origin = {-roundHalfEven(c * width), roundHalfEven(s * width - c * h)};
        else if (c >= 0)
            origin = {-roundHalfEven(s * h), 0};
        else
            origin = {-roundHalfEven(c * width) - roundHalfEven(s * h), -roundHalfEven(c * h)};
        origin.x += frame.left;
        origin.y += frame.top;
    }

    Point map(int x, int y) const
    {
        return {origin.x + roundHalfEven(c * x + s * y), origin.y + roundHalfEven(-s * x + c * y)};
    }
};

// Elements (numbered from 1) after which an EAN digit position is recorded; 0 = position 0.
constexpr std::array<int, 8> kEan8DigitAfter{4, 8, 12, 16, 24, 28, 32, 36};
constexpr std::array<int, 13> kEan13DigitAfter{0, 4, 8, 12, 16, 20, 24, 33, 37, 41, 45, 49, 53};

bool isEan(TBarcodeType type) { return type == bcCodeEAN8 || type == bcCodeEAN13; }

// Start guard, centre guard and end guard elements reach below the other bars.
bool isGuard(TBarcodeType type, int element, int count)
{
    if (element <= 3 || element > count - 3)
        return true;
    const int centre = type == bcCodeEAN8 ? 21 : 29;
    return element >= centre && element <= centre + 2;
}

bool isLeft(TShowTextPosition p) { return p == stpTopLeft || p == stpBottomLeft; }
bool isRight(TShowTextPosition p) { return p == stpTopRight || p == stpBottomRight; }
bool isTop(TShowTextPosition p) { return p == stpTopLeft || p == stpTopRight || p == stpTopCenter; }

Point textAnchor(const BarFrame& frame, TShowTextPosition position, int width, TextExtent extent)
{
    const int tw = extent.width, th = extent.height;
    if (frame.angle == 0) {
        const int a = isLeft(position)    ? frame.left
                      : isRight(position) ? frame.left + width - tw
                                          : frame.left + (width - tw) / 2;
        const int b = isTop(position) ? frame.top - th : frame.top + frame.height;
        return {a, b};
    }
    // Laid out for a quarter turn: the text runs up along the left edge.
    const int b = isLeft(position)    ? frame.top + width
                  : isRight(position) ? frame.top + tw
                                      : frame.top + tw + (width - tw) / 2;
    const int a = isTop(position) ? frame.left - th : frame.left + frame.height;
    return {a, b};
}

std::string withoutFnc1(std::string_view text)
{
    std::string shown;
    for (char c : text)
        if (c != kFnc1)
            shown.push_back(c);
    return shown;
}

} // namespace

void layoutBars(const BarFrame& frame, std::string_view modules, const ModuleWidths& widths,
                BarcodeGeometry& geometry)
{
    geometry.width = widths.total(modules);
    geometry.digitPositions.fill(0);
    const Rotation rotation(frame, geometry.width);
    const bool ean = isEan(frame.type);
    const auto& digitAfter = frame.type == bcCodeEAN8 ? std::span<const int>(kEan8DigitAfter)
                                                      : std::span<const int>(kEan13DigitAfter);
    const int count = static_cast<int>(modules.size());
    int x = frame.type == bcCodeEAN13 ? 2 * widths.width[1] : 0; // room for the leading digit
    geometry.bars.reserve(modules.size());
    for (int i = 1; i <= count; ++i) {
        const Element e = widths.element(modules[i - 1]);
        int h = e.kind == ElementKind::ShortBar ? frame.height * 2 / 5 : frame.height;
        if (ean && isGuard(frame.type, i, count))
            h = e.width * 6 + frame.height;
        const std::uint32_t color = e.kind == ElementKind::Space ? frame.color : frame.colorBar;
        const int right = x + e.width - 1;
        geometry.bars.push_back({{rotation.map(x, 0), rotation.map(x, h), rotation.map(right, h),
                                  rotation.map(right, 0)},
                                 color});
        x += e.width;
        if (ean)
            for (std::size_t k = 0; k < digitAfter.size(); ++k)
                if (digitAfter[k] == i)
                    geometry.digitPositions[k] = x;
    }
}

void layoutText(const BarFrame& frame, const TextLine& line, const MeasureText& measure,
                BarcodeGeometry& geometry)
{
    if (line.show == bcoNone)
        return;
    geometry.textAngle = roundHalfEven(frame.angle * 10) / 10.0;
    const Point anchor = textAnchor(frame, line.position, geometry.width, measure(line.text));
    const std::string shown = withoutFnc1(line.text);
    bool eanLayout = false;
    if (line.show == bcoCode || line.show == bcoBoth) {
        eanLayout = (line.textAff.empty() || line.textAff == line.text) && isEan(frame.type) &&
                    line.position == stpBottomLeft && frame.angle == 0;
        if (eanLayout) {
            const std::size_t digits = frame.type == bcCodeEAN8 ? 8 : 13;
            for (std::size_t k = 0; k < std::min(digits, line.text.size()); ++k)
                geometry.texts.push_back({{anchor.x + geometry.digitPositions[k], anchor.y},
                                          std::string(1, line.text[k])});
        } else if (!line.textAff.empty() && line.textAff != shown && line.textAff != line.text) {
            geometry.texts.push_back({anchor, std::string(line.textAff)});
        } else if (!line.textFormat.empty()) {
            geometry.texts.push_back({anchor, applyDisplayMask(line.textFormat, shown)});
        } else {
            geometry.texts.push_back({anchor, shown});
        }
    }
    if ((line.show == bcoTyp || line.show == bcoBoth) && !eanLayout)
        geometry.texts.push_back({anchor, std::string(symbology(frame.type).name)});
}

std::string applyDisplayMask(std::string_view mask, std::string_view data)
{
    std::string out;
    std::size_t next = 0;
    for (char m : mask) {
        if (m != '?')
            out.push_back(m);
        else if (next < data.size())
            out.push_back(data[next++]);
    }
    out.append(data.substr(next));
    return out;
}

} // namespace tessaly::barcode
