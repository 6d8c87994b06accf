// TDatamatrix: rebuild on demand and the painting geometry.
#include "datamatrix/Datamatrix.h"

#include <algorithm>
#include <limits>

namespace tessaly::datamatrix {

bool TDatamatrix::Rebuild() {
    if (!rebuild_) return false;
    rebuild_ = false;
    return encoder_.encode(code_, encoding_, preferred_, processTilde_, symbol_);
}

int ClampToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

PaintGeometry TDatamatrix::BeginPaint() {
    Rebuild();
    // Settings read from a damaged document may be huge: positions are computed wide and clamped.
    const long long firstX = 0LL + margin_ + offsetX_, firstY = 0LL + margin_ + offsetY_;
    currentX_ = ClampToInt(1LL * pixelsDot_ * symbol_.matrix.columns + firstX);
    currentY_ = ClampToInt(1LL * pixelsDot_ * symbol_.matrix.rows + firstY);
    return {offsetX_, offsetY_, width_, height_, ClampToInt(firstX), ClampToInt(firstY), pixelsDot_};
}

}  // namespace tessaly::datamatrix
