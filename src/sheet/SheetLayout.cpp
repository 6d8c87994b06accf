// Field arithmetic of the sheet layout: reading, showing, converting, the label page size.
#include "sheet/SheetLayout.h"

#include <cfloat>

namespace tessaly::sheet {
namespace {

std::array<double*, 8> LengthsOf(SheetLayout& layout)
{
    return {&layout.labelWidth, &layout.labelHeight, &layout.pageWidth, &layout.pageHeight,
            &layout.outerMarginX, &layout.outerMarginY, &layout.gapX, &layout.gapY};
}

} // namespace

SheetLayout ReadSheetLayout(const LengthTexts& texts, bool verticalOrientation, Unit unit, char decimalSeparator)
{
    SheetLayout layout;
    const auto lengths = LengthsOf(layout);
    for (std::size_t i = 0; i < texts.size(); ++i)
        *lengths[i] = ParseLength(texts[i], decimalSeparator).value_or(0.0);
    layout.verticalOrientation = verticalOrientation;
    layout.unit = unit;
    return layout;
}

LengthTexts FormatSheetLayout(const SheetLayout& layout, char decimalSeparator)
{
    SheetLayout copy = layout;
    const auto lengths = LengthsOf(copy);
    LengthTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = FormatLength(*lengths[i], decimalSeparator);
    return texts;
}

SheetLayout InMillimetres(const SheetLayout& layout)
{
    SheetLayout mm = layout;
    const double factor = UnitFactor(layout.unit);
    for (double* length : LengthsOf(mm))
        *length *= factor;
    mm.unit = Unit::Millimetre;
    return mm;
}

LengthTexts PredefinedSizeTexts(const LabelSizeTable& table, int entry, Unit unit, char decimalSeparator)
{
    SheetLayout mm;   // entry 0: its defaults are the full A4 page without margins or gaps
    if (entry != 0)
        CopySheetLengths(table.Entry(entry), mm);
    const double factor = UnitFactor(unit);
    for (double* length : LengthsOf(mm))
        *length /= factor;
    return FormatSheetLayout(mm, decimalSeparator);
}

LengthTexts ConvertLengthTexts(const LengthTexts& texts, Unit from, Unit to, char decimalSeparator)
{
    LengthTexts converted;
    for (std::size_t i = 0; i < texts.size(); ++i)
        converted[i] = ConvertLengthText(texts[i], from, to, decimalSeparator);
    return converted;
}

float LabelPageLength(double displayed, Unit unit)
{
    const double mm = displayed * UnitFactor(unit);
    if (!(mm > 0))
        return 1.0f;
    return mm > FLT_MAX ? FLT_MAX : static_cast<float>(mm);
}

std::optional<LabelPageSize> LabelPageSizeFromTexts(std::string_view widthText, std::string_view heightText,
                                                    Unit unit, char decimalSeparator)
{
    const auto width = ParseLength(widthText, decimalSeparator);
    const auto height = ParseLength(heightText, decimalSeparator);
    if (!width || !height)
        return std::nullopt;
    return LabelPageSize{LabelPageLength(*width, unit), LabelPageLength(*height, unit)};
}

bool CheckStartLabel(PrintTab activeTab, std::string_view startLabelText, int labelsPerPage)
{
    if (activeTab == PrintTab::Pages)
        return true;
    const int start = ParseInteger(startLabelText).value_or(0);
    return start >= 1 && start <= labelsPerPage;
}

} // namespace tessaly::sheet
