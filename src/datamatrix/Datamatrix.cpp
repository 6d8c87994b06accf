// TDatamatrix: rebuild on demand and the painting geometry.
#include "datamatrix/Datamatrix.h"

namespace tessaly::datamatrix {

bool TDatamatrix::Rebuild() {
    if (!rebuild_) return false;
    rebuild_ = false;
    return encoder_.encode(code_, encoding_, preferred_, processTilde_, symbol_);
}

PaintGeometry TDatamatrix::BeginPaint() {
    Rebuild();
    currentX_ = pixelsDot_ * symbol_.matrix.columns + margin_ + offsetX_;
    currentY_ = pixelsDot_ * symbol_.matrix.rows + margin_ + offsetY_;
    return {offsetX_, offsetY_, width_, height_, margin_ + offsetX_, margin_ + offsetY_, pixelsDot_};
}

}  // namespace tessaly::datamatrix
