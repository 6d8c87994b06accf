// QPainter adapter of the DataMatrix encoder.
#include "datamatrix/qt/DatamatrixPainter.h"

#include <QPainter>

#include "datamatrix/Datamatrix.h"

namespace tessaly::datamatrix {

namespace {

// $00BBGGRR to a Qt colour.
QColor ColourOf(std::uint32_t value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

}  // namespace

void Paint(QPainter& painter, TDatamatrix& symbol) {
    const PaintGeometry g = symbol.BeginPaint();
    const QColor bar = ColourOf(symbol.BarColor());
    const QColor back = ColourOf(symbol.BackColor());
    painter.fillRect(QRect(g.backgroundLeft, g.backgroundTop, g.backgroundWidth, g.backgroundHeight), back);
    const ModuleMatrix& m = symbol.Matrix();
    for (int y = 0; y < m.rows; ++y)
        for (int x = 0; x < m.columns; ++x)
            painter.fillRect(QRect(g.firstModuleX + x * g.moduleSize, g.firstModuleY + y * g.moduleSize,
                                   g.moduleSize, g.moduleSize),
                             m.dark(x, y) ? bar : back);
}

}  // namespace tessaly::datamatrix
