// Draws a shape's cache bitmap into a target through an affine map, 2 × 2 oversampled, each
// sub-sample read with bilinear interpolation at 1/256-pixel precision.
#pragma once

#include <QImage>
#include <QTransform>

namespace tessaly::document {

// `cacheToTarget` maps cache pixel coordinates to target pixel coordinates. Points outside the
// cache read `outside` (premultiplied). Every covered target row is blended over the target, with
// `masterAlpha` when it is below 255. Both images are ARGB32 premultiplied. `oversampling` is 1 to 6.
void DrawCacheTransformed(QImage& target, const QImage& cache, const QTransform& cacheToTarget,
                          int masterAlpha, QRgb outside = 0, int oversampling = 2);

}  // namespace tessaly::document
