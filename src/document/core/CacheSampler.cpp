// The resampling loop of the cached render path. Positions step through the row in fixed point;
// the top eight fraction bits give the bilinear weights. Only the span of a row whose samples can
// touch the cache is visited, and each finished pixel is blended over the target at once.
#include "document/core/CacheSampler.h"

#include "document/core/CacheView.h"
#include "document/core/Types.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tessaly::document {
namespace {

using cache::CacheView;

constexpr double kFixedOne = 4294967296.0;  // 2^32

// Narrows [a, b] to the steps t where low < start + t·step < high.
void ClipLine(double start, double step, double low, double high, double& a, double& b)
{
    if (step == 0) {
        if (!(start > low && start < high)) b = a - 1;
        return;
    }
    double t0 = (low - start) / step, t1 = (high - start) / step;
    if (t0 > t1) std::swap(t0, t1);
    a = std::max(a, t0);
    b = std::min(b, t1);
}

std::int64_t ToFixed(double v)
{
    // Keeps far-away points far away without overflowing the 32.32 range.
    v = std::clamp(v, -1.0e9, 1.0e9);
    return std::int64_t(std::llround(v * kFixedOne));
}

// The average of the n × n sub-samples at lineX/lineY (sub-sample lines) stepped by subX/subY.
std::uint32_t AverageOf(const CacheView& view, int n, const std::int64_t* lineX, const std::int64_t* lineY,
                        std::int64_t subX, std::int64_t subY)
{
    if (n == 2) {
        const std::int64_t xs[4] = {lineX[0], lineX[0] + subX, lineX[1], lineX[1] + subX};
        const std::int64_t ys[4] = {lineY[0], lineY[0] + subY, lineY[1], lineY[1] + subY};
        return view.AverageFour(xs, ys);
    }
    const int samples = n * n;
    std::uint32_t sum[4] = {0, 0, 0, 0};
    for (int j = 0; j < n; ++j)
        for (int k = 0; k < n; ++k) {
            const std::uint32_t s = view.Sample(lineX[j] + k * subX, lineY[j] + k * subY);
            for (int c = 0; c < 4; ++c)
                sum[c] += (s >> (8 * c)) & 0xff;
        }
    std::uint32_t pixel = 0;
    for (int c = 0; c < 4; ++c)
        pixel |= ((sum[c] + samples / 2) / samples) << (8 * c);
    return pixel;
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
    // One pixel more on each side: reads at pixel centres let the cache's edge pixels reach half
    // a pixel beyond its rectangle.
    const QRectF bounds = covered.adjusted(-1, -1, 1, 1).intersected(QRectF(target.rect()));
    if (bounds.isEmpty())
        return;
    const int x0 = std::max(0, int(std::floor(bounds.left())));
    const int y0 = std::max(0, int(std::floor(bounds.top())));
    const int x1 = std::min(target.width(), int(std::ceil(bounds.right())));
    const int y1 = std::min(target.height(), int(std::ceil(bounds.bottom())));
    if (x0 >= x1 || y0 >= y1)
        return;

    const QTransform inverse = cacheToTarget.inverted();
    const CacheView view{reinterpret_cast<const std::uint32_t*>(cache.constBits()), cache.bytesPerLine() / 4,
                         cache.width(), cache.height(), outside};
    const auto alpha = std::uint32_t(std::min(masterAlpha, 255));
    const int n = oversampling;
    // Per target pixel step of a cache position, and the step between sub-samples.
    const double du = inverse.m11(), dv = inverse.m12();
    const std::int64_t stepXx = ToFixed(du), stepXy = ToFixed(dv);
    const std::int64_t subXx = ToFixed(du / n), subXy = ToFixed(dv / n);
    const int width = x1 - x0;

    for (int y = y0; y < y1; ++y) {
        // Cache positions of the row's sub-sample lines, shifted by half a pixel to pixel centres.
        double startX[6], startY[6];
        for (int j = 0; j < n; ++j) {
            const QPointF c = inverse.map(QPointF(x0 + 0.5 / n, y + (j + 0.5) / n));
            startX[j] = c.x() - 0.5;
            startY[j] = c.y() - 0.5;
        }
        // Only pixels whose samples can touch the cache need work when the outside is transparent;
        // the others would blend nothing.
        int first = 0, last = width;
        if (outside == 0) {
            double lo = width, hi = -1;
            for (int j = 0; j < n; ++j)
                for (int k = 0; k < n; ++k) {
                    const double u = startX[j] + k * du / n, v = startY[j] + k * dv / n;
                    double a = 0, b = width;
                    ClipLine(u, du, -1.0, cache.width(), a, b);
                    ClipLine(v, dv, -1.0, cache.height(), a, b);
                    if (a <= b) {
                        lo = std::min(lo, a);
                        hi = std::max(hi, b);
                    }
                }
            first = std::clamp(int(std::floor(lo)) - 1, 0, width);
            last = std::clamp(int(std::ceil(hi)) + 2, first, width);
        }
        auto* out = reinterpret_cast<std::uint32_t*>(target.scanLine(y)) + x0;
        if (n == 2) {
            const double u0 = startX[0] + first * du, u1 = startX[1] + first * du;
            const double v0 = startY[0] + first * dv, v1 = startY[1] + first * dv;
            const double u[4] = {u0, u0 + du / 2, u1, u1 + du / 2};
            const double v[4] = {v0, v0 + dv / 2, v1, v1 + dv / 2};
            if (cache::DrawRowFourAvx2(view, u, v, du, dv, first, last, out, alpha))
                continue;
        }
        std::int64_t lineX[6], lineY[6];
        for (int j = 0; j < n; ++j) {
            lineX[j] = ToFixed(startX[j] + first * du);
            lineY[j] = ToFixed(startY[j] + first * dv);
        }
        for (int i = first; i < last; ++i) {
            cache::BlendOver(out[i], AverageOf(view, n, lineX, lineY, subXx, subXy), alpha);
            for (int j = 0; j < n; ++j) {
                lineX[j] += stepXx;
                lineY[j] += stepXy;
            }
        }
    }
}

}  // namespace tessaly::document
