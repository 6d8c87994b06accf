// TAsBarcode: properties with change notification, Width, and the encode-then-layout sequence.
#include "barcode/AsBarcode.h"

#include <cstdint>
#include <cstdlib>

namespace tessaly::barcode {

int TFontSpec::Size() const
{
    const int pixels = std::abs(Height);
    return (pixels * 72 + 48) / 96;
}

void TFontSpec::SetSize(int points)
{
    Height = -((points * 96 + 36) / 72);
}

template <typename T> void TAsBarcode::assign(T& field, T value)
{
    if (field == value)
        return;
    field = std::move(value);
    changed();
}

void TAsBarcode::changed()
{
    if (OnChange)
        OnChange(*this);
}

void TAsBarcode::SetHeight(int value) { assign(height_, value); }
void TAsBarcode::SetText(std::string value) { assign(text_, std::move(value)); }
void TAsBarcode::SetTextAff(std::string value) { assign(textAff_, std::move(value)); }
void TAsBarcode::SetTextFormatA(std::string value) { assign(textFormatA_, std::move(value)); }
void TAsBarcode::SetTop(int value) { assign(top_, value); }
void TAsBarcode::SetLeft(int value) { assign(left_, value); }
void TAsBarcode::SetRatio(double value) { assign(ratio_, value); }
void TAsBarcode::SetTyp(TBarcodeType value) { assign(typ_, value); }
void TAsBarcode::SetChecksum(bool value) { assign(checksum_, value); }
void TAsBarcode::SetShowText(TBarcodeOption value) { assign(showText_, value); }
void TAsBarcode::SetAngle(double value) { assign(angle_, value); }
void TAsBarcode::SetShowTextPosition(TShowTextPosition value) { assign(showTextPosition_, value); }

void TAsBarcode::SetModul(int value)
{
    if (value < 1 || value > 49)
        return;
    modul_ = value;
    changed();
}

void TAsBarcode::SetShowTextFont(const TFontSpec& font)
{
    showTextFont_ = font;
    changed();
}

std::string_view TAsBarcode::SymbologyName() const
{
    return symbology(typ_).name;
}

Encoding TAsBarcode::BuildModules()
{
    SetRatio(clampRatio(typ_, ratio_));
    widths_ = moduleWidths(modul_, ratio_);
    Encoding encoding = encode(typ_, text_, {checksum_, CheckSumMethod});
    SetText(encoding.text);
    return encoding;
}

int TAsBarcode::Width()
{
    const Encoding encoding = BuildModules();
    return widths_.total(encoding.modules);
}

void TAsBarcode::SetWidth(int value)
{
    const int current = Width();
    if (current > 0)
        SetModul(static_cast<int>(std::int64_t(modul_) * value / current));
}

BarcodeGeometry TAsBarcode::Layout(const MeasureText& measure)
{
    const Encoding encoding = BuildModules();
    BarcodeGeometry geometry;
    if (encoding.modules.empty())
        return geometry;
    const BarFrame frame{typ_, left_, top_, height_, angle_, Color, ColorBar};
    layoutBars(frame, encoding.modules, widths_, geometry);
    layoutText(frame, {showText_, showTextPosition_, text_, textAff_, textFormatA_}, measure,
               geometry);
    return geometry;
}

} // namespace tessaly::barcode
