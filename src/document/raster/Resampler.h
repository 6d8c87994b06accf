// A small separable resampler: stretches a 32-bit premultiplied image with one of the document filters.
#pragma once

#include "document/raster/StretchFilter.h"

#include <QImage>
#include <QRect>

namespace tessaly::document {

// Returns `source` stretched to `size` (ARGB32 premultiplied). An empty size gives a null image.
QImage Stretch(const QImage& source, QSize size, TdtpStretchFilter filter);

// Stretches `source` over `targetRect` of `target` (clipped to the target), replacing the pixels there
// when `opaque`, else blending the result over them.
void StretchInto(QImage& target, const QRect& targetRect, const QImage& source, TdtpStretchFilter filter,
                 bool opaque = false);

}  // namespace tessaly::document
