// BoxReduce: the box filter that reduces a part of a 32-bit bitmap to a smaller rectangle, every
// destination pixel being the truncated per-channel mean of its block of source pixels.
#pragma once

#include <QImage>
#include <QRect>

#include <vector>

namespace tessaly::document {

// Block lengths for dividing a span of `source` pixels among `dest` pixels: each gets source div dest,
// and an accumulator growing by the remainder gives one pixel more whenever it reaches `dest`.
std::vector<int> BoxBlocks(int source, int dest);

// Reduces `sourceRect` of `source` into `destRect` of `dest` (both 32 bits per pixel, same format).
// Rectangles are clipped to their images; a destination larger than the source on an axis, or
// images of other depths, leave `dest` unchanged and return false.
bool BoxReduce(QImage& dest, const QRect& destRect, const QImage& source, const QRect& sourceRect);

}  // namespace tessaly::document
