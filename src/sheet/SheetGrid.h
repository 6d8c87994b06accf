// The grid of equal cells a sheet is divided into: columns, rows and where each cell lies.
#pragma once

#include "sheet/SheetLayout.h"

namespace tessaly::sheet {

// All lengths in one unit. The cell is the label as oriented on the sheet.
struct GridGeometry {
    double pageWidth = 0;
    double pageHeight = 0;
    double cellWidth = 0;
    double cellHeight = 0;
    double outerMarginX = 0;
    double outerMarginY = 0;
    double gapX = 0;
    double gapY = 0;
    bool verticalOrientation = false;
};

// The geometry of a layout in its own unit: cell (label width, label height), exchanged
// with vertical orientation.
GridGeometry GeometryOf(const SheetLayout& layout);

struct CellIndex {
    int row = 0;      // from 0
    int column = 0;   // from 0
};

// Where a copy of the label goes: its DocLeft, DocTop and DocAngle on the sheet.
struct CellPlacement {
    double left = 0;
    double top = 0;
    double angle = 0;   // 90 with vertical orientation: rows then count from the bottom edge
};

class SheetGrid {
public:
    // Columns and rows are never below 1 (an infinite or not-a-number quotient counts as
    // below 1) and, so that their product fits an int, never above MaxCount.
    static constexpr int MaxCount = 46340;

    explicit SheetGrid(const GridGeometry& geometry);
    explicit SheetGrid(const SheetLayout& layout) : SheetGrid(GeometryOf(layout)) {}

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    int LabelsPerPage() const { return columns_ * rows_; }
    double StepX() const { return geometry_.cellWidth + geometry_.gapX; }
    double StepY() const { return geometry_.cellHeight + geometry_.gapY; }

    // Cell c (1..LabelsPerPage) in reading order.
    CellIndex Cell(int c) const;
    CellPlacement Placement(int c) const;

private:
    GridGeometry geometry_;
    int columns_ = 1;
    int rows_ = 1;
};

// The number of whole cells along one direction: max(1, trunc((page - margin + gap) / (cell + gap))).
int GridCount(double page, double margin, double cell, double gap);

} // namespace tessaly::sheet
