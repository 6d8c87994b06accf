// Paints a TDatamatrix onto any QPainter: background rectangle, then one square per module.
#pragma once

class QPainter;

namespace tessaly::datamatrix {

class TDatamatrix;

// Rebuilds the symbol when `rebuild` is set, fills the background rectangle in BackColor and
// draws each module as a PixelsDot square (dark in BarColor, light in BackColor). The
// painter's pen, brush and font are left as they were.
void Paint(QPainter& painter, TDatamatrix& symbol);

}  // namespace tessaly::datamatrix
