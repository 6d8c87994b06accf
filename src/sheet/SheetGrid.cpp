// Columns, rows and cell positions of a sheet; the outer margin counts once per direction.
#include "sheet/SheetGrid.h"

#include <cmath>

namespace tessaly::sheet {

int GridCount(double page, double margin, double cell, double gap)
{
    const double quotient = (page - margin + gap) / (cell + gap);
    // Infinity and not-a-number count as below 1; neither is ever converted to an int.
    if (!std::isfinite(quotient) || quotient < 1)
        return 1;
    if (quotient >= SheetGrid::MaxCount)
        return SheetGrid::MaxCount;
    return static_cast<int>(std::trunc(quotient));
}

GridGeometry GeometryOf(const SheetLayout& layout)
{
    GridGeometry g;
    g.pageWidth = layout.pageWidth;
    g.pageHeight = layout.pageHeight;
    g.cellWidth = layout.verticalOrientation ? layout.labelHeight : layout.labelWidth;
    g.cellHeight = layout.verticalOrientation ? layout.labelWidth : layout.labelHeight;
    g.outerMarginX = layout.outerMarginX;
    g.outerMarginY = layout.outerMarginY;
    g.gapX = layout.gapX;
    g.gapY = layout.gapY;
    g.verticalOrientation = layout.verticalOrientation;
    return g;
}

SheetGrid::SheetGrid(const GridGeometry& geometry)
    : geometry_(geometry),
      columns_(GridCount(geometry.pageWidth, geometry.outerMarginX, geometry.cellWidth, geometry.gapX)),
      rows_(GridCount(geometry.pageHeight, geometry.outerMarginY, geometry.cellHeight, geometry.gapY))
{
}

CellIndex SheetGrid::Cell(int c) const
{
    const long long index = static_cast<long long>(c) - 1;
    return {static_cast<int>(index / columns_), static_cast<int>(index % columns_)};
}

CellPlacement SheetGrid::Placement(int c) const
{
    const CellIndex cell = Cell(c);
    CellPlacement placement;
    placement.left = geometry_.outerMarginX + cell.column * StepX();
    if (geometry_.verticalOrientation) {
        placement.top = geometry_.pageHeight - geometry_.outerMarginY - cell.row * StepY();
        placement.angle = 90;
    } else {
        placement.top = geometry_.outerMarginY + cell.row * StepY();
    }
    return placement;
}

} // namespace tessaly::sheet
