// The resampling loop of the cached render path. Positions step through the row in 32.32 fixed
// point; the top eight fraction bits give the bilinear weights. Two colour channels are processed
// at once in one 32-bit word (0x00FF00FF lanes).
#include "document/core/CacheSampler.h"

#include "document/core/Types.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace tessaly::document {
namespace {

constexpr double kFixedOne = 4294967296.0;  // 2^32

inline std::uint32_t Lerp256(std::uint32_t x, std::uint32_t a, std::uint32_t y, std::uint32_t b)
{
    std::uint32_t t = (x & 0xff00ff) * a + (y & 0xff00ff) * b;
    t = (t >> 8) & 0xff00ff;
    x = (((x >> 8) & 0xff00ff) * a + ((y >> 8) & 0xff00ff) * b) & 0xff00ff00;
    return x | t;
}

struct CacheView {
    const std::uint32_t* bits;
    qsizetype stride;  // in pixels
    int width, height;
    std::uint32_t outside;

    std::uint32_t At(int x, int y) const
    {
        if (unsigned(x) >= unsigned(width) || unsigned(y) >= unsigned(height))
            return outside;
        return bits[y * stride + x];
    }

    // Bilinear read at (fx, fy) in 32.32 fixed point, pixel centres at i + 0.5 (already shifted).
    std::uint32_t Sample(std::int64_t fx, std::int64_t fy) const
    {
        const int x0 = int(fx >> 32), y0 = int(fy >> 32);
        const std::uint32_t wx = std::uint32_t(fx >> 24) & 0xff, wy = std::uint32_t(fy >> 24) & 0xff;
        std::uint32_t tl, tr, bl, br;
        if (unsigned(x0) < unsigned(width - 1) && unsigned(y0) < unsigned(height - 1)) {
            const std::uint32_t* p = bits + y0 * stride + x0;
            tl = p[0]; tr = p[1]; bl = p[stride]; br = p[stride + 1];
        } else {
            tl = At(x0, y0); tr = At(x0 + 1, y0); bl = At(x0, y0 + 1); br = At(x0 + 1, y0 + 1);
        }
        const std::uint32_t top = Lerp256(tl, 256 - wx, tr, wx);
        const std::uint32_t bottom = Lerp256(bl, 256 - wx, br, wx);
        return Lerp256(top, 256 - wy, bottom, wy);
    }
};

inline std::uint32_t ByteMul(std::uint32_t x, std::uint32_t a)  // a in 0..255
{
    std::uint32_t t = (x & 0xff00ff) * a;
    t = (t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8;
    t &= 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a;
    x = (x + ((x >> 8) & 0xff00ff) + 0x800080);
    x &= 0xff00ff00;
    return x | t;
}

inline void BlendOver(std::uint32_t& dst, std::uint32_t src)
{
    const std::uint32_t alpha = src >> 24;
    if (alpha == 255)
        dst = src;
    else if (alpha != 0 || src != 0)
        dst = src + ByteMul(dst, 255 - alpha);
}

std::int64_t ToFixed(double v)
{
    // Keeps far-away points far away without overflowing the 32.32 range.
    v = std::clamp(v, -1.0e9, 1.0e9);
    return std::int64_t(std::llround(v * kFixedOne));
}

}  // namespace

void DrawCacheTransformed(QImage& target, const QImage& cache, const QTransform& cacheToTarget,
                          int masterAlpha, QRgb outside, int oversampling)
{
    if (oversampling < 1 || oversampling > 6)
        throw DocumentError("Illegal oversampling value");
    if (cache.isNull() || target.isNull() || masterAlpha <= 0 || !cacheToTarget.isInvertible())
        return;
    Q_ASSERT(cache.format() == QImage::Format_ARGB32_Premultiplied);
    Q_ASSERT(target.format() == QImage::Format_ARGB32_Premultiplied);

    const QRectF covered = cacheToTarget.mapRect(QRectF(0, 0, cache.width(), cache.height()));
    const int x0 = std::max(0, int(std::floor(covered.left())));
    const int y0 = std::max(0, int(std::floor(covered.top())));
    const int x1 = std::min(target.width(), int(std::ceil(covered.right())));
    const int y1 = std::min(target.height(), int(std::ceil(covered.bottom())));
    if (x0 >= x1 || y0 >= y1)
        return;

    const QTransform inverse = cacheToTarget.inverted();
    const CacheView view{reinterpret_cast<const std::uint32_t*>(cache.constBits()), cache.bytesPerLine() / 4,
                         cache.width(), cache.height(), outside};
    const int n = oversampling;
    const int samples = n * n;
    // Per target pixel step of a cache position, and the step between sub-samples.
    const std::int64_t stepXx = ToFixed(inverse.m11()), stepXy = ToFixed(inverse.m12());
    const std::int64_t subXx = ToFixed(inverse.m11() / n), subXy = ToFixed(inverse.m12() / n);
    const int width = x1 - x0;
    std::vector<std::uint32_t> row(static_cast<size_t>(width));
    const bool fourSamples = n == 2;

    for (int y = y0; y < y1; ++y) {
        // Cache positions of the row's sub-sample lines, shifted by half a pixel to pixel centres.
        std::int64_t lineX[6], lineY[6];
        for (int j = 0; j < n; ++j) {
            const double ty = y + (j + 0.5) / n;
            const double tx = x0 + 0.5 / n;
            const QPointF c = inverse.map(QPointF(tx, ty));
            lineX[j] = ToFixed(c.x() - 0.5);
            lineY[j] = ToFixed(c.y() - 0.5);
        }
        for (int i = 0; i < width; ++i) {
            std::uint32_t rb = 0, ag = 0;
            if (fourSamples) {
                const std::uint32_t s0 = view.Sample(lineX[0], lineY[0]);
                const std::uint32_t s1 = view.Sample(lineX[0] + subXx, lineY[0] + subXy);
                const std::uint32_t s2 = view.Sample(lineX[1], lineY[1]);
                const std::uint32_t s3 = view.Sample(lineX[1] + subXx, lineY[1] + subXy);
                rb = (s0 & 0xff00ff) + (s1 & 0xff00ff) + (s2 & 0xff00ff) + (s3 & 0xff00ff);
                ag = ((s0 >> 8) & 0xff00ff) + ((s1 >> 8) & 0xff00ff) + ((s2 >> 8) & 0xff00ff) +
                     ((s3 >> 8) & 0xff00ff);
                rb = ((rb + 0x00020002) >> 2) & 0xff00ff;
                ag = ((ag + 0x00020002) << 6) & 0xff00ff00;
            } else {
                std::uint32_t sum[4] = {0, 0, 0, 0};
                for (int j = 0; j < n; ++j)
                    for (int k = 0; k < n; ++k) {
                        const std::uint32_t s = view.Sample(lineX[j] + k * subXx, lineY[j] + k * subXy);
                        for (int c = 0; c < 4; ++c)
                            sum[c] += (s >> (8 * c)) & 0xff;
                    }
                for (int c = 0; c < 4; ++c)
                    rb |= ((sum[c] + samples / 2) / samples) << (8 * c);
            }
            row[size_t(i)] = rb | ag;
            for (int j = 0; j < n; ++j) {
                lineX[j] += stepXx;
                lineY[j] += stepXy;
            }
        }
        auto* out = reinterpret_cast<std::uint32_t*>(target.scanLine(y)) + x0;
        if (masterAlpha >= 255) {
            for (int i = 0; i < width; ++i)
                BlendOver(out[i], row[size_t(i)]);
        } else {
            for (int i = 0; i < width; ++i)
                BlendOver(out[i], ByteMul(row[size_t(i)], std::uint32_t(masterAlpha)));
        }
    }
}

}  // namespace tessaly::document
