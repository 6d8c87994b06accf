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
    const long long size = g.moduleSize;
    if (size <= 0) return;
    // One rectangle per run of modules of the same colour in a row.
    for (int y = 0; y < m.rows; ++y) {
        const int top = ClampToInt(g.firstModuleY + size * y);
        for (int x = 0; x < m.columns;) {
            const bool dark = m.dark(x, y);
            int end = x + 1;
            while (end < m.columns && m.dark(end, y) == dark) ++end;
            const int left = ClampToInt(g.firstModuleX + size * x);
            const int right = ClampToInt(g.firstModuleX + size * end);
            const int bottom = ClampToInt(top + size);
            painter.fillRect(QRect(QPoint(left, top), QSize(right - left, bottom - top)), dark ? bar : back);
            x = end;
        }
    }
}

}  // namespace tessaly::datamatrix
