// Module codes, element widths and the ratio rules.
#include "barcode/Modules.h"

#include "barcode/BarcodeError.h"

#include <cmath>

namespace tessaly::barcode {

Element ModuleWidths::element(char code) const
{
    if (code >= '0' && code <= '3')
        return {ElementKind::Space, width[code - '0']};
    if (code >= '5' && code <= '8')
        return {ElementKind::Bar, width[code - '5']};
    if (code >= 'A' && code <= 'D')
        return {ElementKind::ShortBar, width[code - 'A']};
    throw BarcodeError(std::string(kEngineClassName) + ": internal Error");
}

namespace {

// Width class (0-3) of each module code, or -1 for a byte that is not one.
constexpr std::array<signed char, 256> makeWidthClasses()
{
    std::array<signed char, 256> classes{};
    classes.fill(-1);
    for (int i = 0; i < 4; ++i) {
        classes['0' + i] = static_cast<signed char>(i);
        classes['5' + i] = static_cast<signed char>(i);
        classes['A' + i] = static_cast<signed char>(i);
    }
    return classes;
}
constexpr auto kWidthClasses = makeWidthClasses();

} // namespace

int ModuleWidths::total(std::string_view modules) const
{
    int sum = 0;
    for (char code : modules) {
        const int widthClass = kWidthClasses[static_cast<unsigned char>(code)];
        if (widthClass < 0)
            element(code); // throws the internal error
        sum += width[widthClass];
    }
    return sum;
}

double clampRatio(TBarcodeType type, double ratio)
{
    double low = 2.0;
    switch (type) {
    case bcCode_2_5_matrix:
        low = 2.25;
        break;
    case bcCode128A: case bcCode128B: case bcCode128C:
    case bcCode93: case bcCode93Extended: case bcCodeMSI: case bcCodePostNet:
    case bcCodeEAN128A: case bcCodeEAN128B: case bcCodeEAN128C:
        return ratio;
    default:
        break;
    }
    if (ratio < low)
        return low;
    if (ratio > 3.0)
        return 3.0;
    return ratio;
}

ModuleWidths moduleWidths(int modul, double ratio)
{
    // nearbyint rounds halves to even in the default rounding mode.
    const double wide = std::nearbyint(modul * ratio);
    const int w1 = std::isfinite(wide) && std::abs(wide) < 1e9 ? static_cast<int>(wide) : 0;
    return {{modul, w1, w1 * 3 / 2, w1 * 2}};
}

void appendWidthDigits(std::string& modules, std::string_view digits)
{
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const char base = i % 2 == 0 ? '5' : '0';
        modules.push_back(static_cast<char>(base + (digits[i] - '1')));
    }
}

} // namespace tessaly::barcode
