// The sheet geometry the main window's fields hold, and the field arithmetic around it.
#pragma once

#include "sheet/LabelSizeTable.h"
#include "sheet/LengthText.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly::sheet {

// All lengths in `unit` (the unit the fields are displayed in).
struct SheetLayout {
    double labelWidth = 210;
    double labelHeight = 297;
    double pageWidth = 210;
    double pageHeight = 297;
    double outerMarginX = 0;
    double outerMarginY = 0;
    double gapX = 0;   // the vertical strip between columns
    double gapY = 0;   // the horizontal strip between rows
    bool verticalOrientation = false;
    Unit unit = Unit::Millimetre;
};

// Copies the eight lengths between the records that name them alike (a layout, the layout record
// of a project, a label stock), each value passed through `convert`.
template <class From, class To, class Convert = std::identity>
void CopySheetLengths(const From& from, To& to, Convert convert = {})
{
    to.labelWidth = convert(from.labelWidth);
    to.labelHeight = convert(from.labelHeight);
    to.pageWidth = convert(from.pageWidth);
    to.pageHeight = convert(from.pageHeight);
    to.outerMarginX = convert(from.outerMarginX);
    to.outerMarginY = convert(from.outerMarginY);
    to.gapX = convert(from.gapX);
    to.gapY = convert(from.gapY);
}

// The eight length fields in their fixed order: elargeur, ehauteur, edPageWidth,
// edPageHeight, edOuterMarginX, edOuterMarginY, edBetweenMarginX, edBetweenMarginY.
using LengthTexts = std::array<std::string, 8>;

// Reads the eight texts; a text that does not parse counts as 0.
SheetLayout ReadSheetLayout(const LengthTexts& texts, bool verticalOrientation, Unit unit, char decimalSeparator);

// The eight lengths in the display format.
LengthTexts FormatSheetLayout(const SheetLayout& layout, char decimalSeparator);

// The same layout with every length in millimetres.
SheetLayout InMillimetres(const SheetLayout& layout);

// Selecting item `entry` of the size list (0 = no predefined size: a full A4 page,
// no margins, no gaps): the eight texts shown in `unit`. The orientation is not touched.
LengthTexts PredefinedSizeTexts(const LabelSizeTable& table, int entry, Unit unit, char decimalSeparator);

// Switching the displayed unit converts all eight fields from their displayed values.
LengthTexts ConvertLengthTexts(const LengthTexts& texts, Unit from, Unit to, char decimalSeparator);

// The label page size in millimetres that ApplyLabelSize sets: displayed length x factor,
// 1 mm for a value not greater than 0, at most the largest float.
float LabelPageLength(double displayed, Unit unit);

struct LabelPageSize {
    float width = 1;
    float height = 1;
};

// No value when either text does not parse: ApplyLabelSize is then abandoned silently.
std::optional<LabelPageSize> LabelPageSizeFromTexts(std::string_view widthText, std::string_view heightText,
                                                    Unit unit, char decimalSeparator);

enum class PrintTab { Pages, Labels, Database };

// True when printing may proceed: on the labels and database tabs the start label of that
// tab (text that does not parse counts as 0) must lie in 1..labelsPerPage; the pages tab
// has no start label. On false the window shows texts 82/84 with caption 83.
bool CheckStartLabel(PrintTab activeTab, std::string_view startLabelText, int labelsPerPage);

} // namespace tessaly::sheet
