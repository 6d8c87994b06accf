// The resampling loop of the cached render path. Positions step through the row in 32.32 fixed
// point; the top eight fraction bits give the bilinear weights. Two colour channels are processed
// at once in one 32-bit word (0x00FF00FF lanes).
#include "document/core/CacheSampler.h"

#include "document/core/Types.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define TESSALY_AVX2_ROWS 1
#endif

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

#if defined(__SSE2__)
// (a·(256 − w) + b·w) / 256 per channel for four pixels; w (0..255) in both halves of each lane.
inline __m128i Lerp4(__m128i a, __m128i b, __m128i w)
{
    const __m128i mask = _mm_set1_epi32(0x00ff00ff);
    const __m128i iw = _mm_sub_epi16(_mm_set1_epi16(256), w);
    __m128i rb = _mm_add_epi16(_mm_mullo_epi16(_mm_and_si128(a, mask), iw),
                               _mm_mullo_epi16(_mm_and_si128(b, mask), w));
    __m128i ag = _mm_add_epi16(_mm_mullo_epi16(_mm_srli_epi16(a, 8), iw), _mm_mullo_epi16(_mm_srli_epi16(b, 8), w));
    return _mm_or_si128(_mm_srli_epi16(rb, 8), _mm_andnot_si128(mask, ag));
}
#endif

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

    // The average of four bilinear reads (the 2 × 2 sub-samples of one target pixel).
    std::uint32_t AverageFour(const std::int64_t (&fx)[4], const std::int64_t (&fy)[4]) const
    {
#if defined(__SSE2__)
        std::uint32_t tl[4], tr[4], bl[4], br[4], wx[4], wy[4];
        for (int s = 0; s < 4; ++s) {
            const int x0 = int(fx[s] >> 32), y0 = int(fy[s] >> 32);
            const std::uint32_t ux = std::uint32_t(fx[s] >> 24) & 0xff, uy = std::uint32_t(fy[s] >> 24) & 0xff;
            wx[s] = ux | (ux << 16);
            wy[s] = uy | (uy << 16);
            if (unsigned(x0) < unsigned(width - 1) && unsigned(y0) < unsigned(height - 1)) {
                const std::uint32_t* p = bits + y0 * stride + x0;
                tl[s] = p[0]; tr[s] = p[1]; bl[s] = p[stride]; br[s] = p[stride + 1];
            } else {
                tl[s] = At(x0, y0); tr[s] = At(x0 + 1, y0); bl[s] = At(x0, y0 + 1); br[s] = At(x0 + 1, y0 + 1);
            }
        }
        // Built from registers: storing lanes and reloading them as a vector stalls store forwarding.
        const auto vec = [](const std::uint32_t (&v)[4]) {
            return _mm_set_epi32(int(v[3]), int(v[2]), int(v[1]), int(v[0]));
        };
        const __m128i wX = vec(wx), wY = vec(wy);
        const __m128i top = Lerp4(vec(tl), vec(tr), wX);
        const __m128i bottom = Lerp4(vec(bl), vec(br), wX);
        const __m128i mixed = Lerp4(top, bottom, wY);
        const __m128i zero = _mm_setzero_si128();
        __m128i sum = _mm_add_epi16(_mm_unpacklo_epi8(mixed, zero), _mm_unpackhi_epi8(mixed, zero));
        sum = _mm_add_epi16(sum, _mm_srli_si128(sum, 8));
        sum = _mm_srli_epi16(_mm_add_epi16(sum, _mm_set1_epi16(2)), 2);
        return std::uint32_t(_mm_cvtsi128_si32(_mm_packus_epi16(sum, zero)));
#else
        std::uint32_t rb = 0, ag = 0;
        for (int s = 0; s < 4; ++s) {
            const std::uint32_t p = Sample(fx[s], fy[s]);
            rb += p & 0xff00ff;
            ag += (p >> 8) & 0xff00ff;
        }
        return (((rb + 0x00020002) >> 2) & 0xff00ff) | (((ag + 0x00020002) << 6) & 0xff00ff00);
#endif
    }
};

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

#if TESSALY_AVX2_ROWS
bool CpuHasAvx2()
{
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}

__attribute__((target("avx2"))) inline __m256i Lerp8(__m256i a, __m256i b, __m256i w)
{
    const __m256i mask = _mm256_set1_epi32(0x00ff00ff);
    const __m256i iw = _mm256_sub_epi16(_mm256_set1_epi16(256), w);
    const __m256i rb = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_and_si256(a, mask), iw),
                                        _mm256_mullo_epi16(_mm256_and_si256(b, mask), w));
    const __m256i ag = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_srli_epi16(a, 8), iw),
                                        _mm256_mullo_epi16(_mm256_srli_epi16(b, 8), w));
    return _mm256_or_si256(_mm256_srli_epi16(rb, 8), _mm256_andnot_si256(mask, ag));
}

__attribute__((target("avx2"))) inline __m256i Fetch8(const int* base, const int (&at)[8])
{
    return _mm256_setr_epi32(base[at[0]], base[at[1]], base[at[2]], base[at[3]], base[at[4]], base[at[5]],
                             base[at[6]], base[at[7]]);
}

// Two target pixels per step: eight sub-samples in the lanes of one vector, positions in 16.16
// fixed point re-anchored from the exact positions every 32 pixels. Pairs that reach the cache's
// border go through the scalar reader. `u`, `v`: the four sub-sample positions of pixel `first`.
__attribute__((target("avx2"))) void SampleRowFourAvx2(const CacheView& view, const double (&u)[4],
                                                       const double (&v)[4], double du, double dv, int first,
                                                       int last, std::uint32_t* out)
{
    const __m256i stride = _mm256_set1_epi32(int(view.stride));
    const __m256i maxX = _mm256_set1_epi32(view.width - 2), maxY = _mm256_set1_epi32(view.height - 2);
    const __m256i minusOne = _mm256_set1_epi32(-1), byteMask = _mm256_set1_epi32(0xff);
    const auto* bits = reinterpret_cast<const int*>(view.bits);
    const auto* right = bits + 1;
    const auto* below = bits + view.stride;
    const auto* belowRight = below + 1;
    for (int anchor = first; anchor < last; anchor += 32) {
        const int end = std::min(last, anchor + 32);
        const double k = anchor - first;
        alignas(32) int startU[8], startV[8];
        for (int lane = 0; lane < 8; ++lane) {
            const double extra = lane >= 4 ? 1.0 : 0.0;
            startU[lane] = int(std::lround((u[lane & 3] + (k + extra) * du) * 65536.0));
            startV[lane] = int(std::lround((v[lane & 3] + (k + extra) * dv) * 65536.0));
        }
        __m256i U = _mm256_load_si256(reinterpret_cast<const __m256i*>(startU));
        __m256i V = _mm256_load_si256(reinterpret_cast<const __m256i*>(startV));
        const __m256i stepU = _mm256_set1_epi32(int(std::lround(2 * du * 65536.0)));
        const __m256i stepV = _mm256_set1_epi32(int(std::lround(2 * dv * 65536.0)));
        for (int i = anchor; i < end; i += 2) {
            const __m256i xi = _mm256_srai_epi32(U, 16), yi = _mm256_srai_epi32(V, 16);
            const __m256i inside = _mm256_and_si256(
                _mm256_and_si256(_mm256_cmpgt_epi32(xi, minusOne), _mm256_cmpgt_epi32(_mm256_add_epi32(maxX, _mm256_set1_epi32(1)), xi)),
                _mm256_and_si256(_mm256_cmpgt_epi32(yi, minusOne), _mm256_cmpgt_epi32(_mm256_add_epi32(maxY, _mm256_set1_epi32(1)), yi)));
            if (i + 1 < end && _mm256_movemask_epi8(inside) == -1) {
                const __m256i index = _mm256_add_epi32(_mm256_mullo_epi32(yi, stride), xi);
                // Scalar loads beat the gather instruction on the processors measured here.
                alignas(32) int at[8];
                _mm256_store_si256(reinterpret_cast<__m256i*>(at), index);
                const __m256i tl = Fetch8(bits, at), tr = Fetch8(right, at), bl = Fetch8(below, at),
                              br = Fetch8(belowRight, at);
                __m256i wx = _mm256_and_si256(_mm256_srli_epi32(U, 8), byteMask);
                __m256i wy = _mm256_and_si256(_mm256_srli_epi32(V, 8), byteMask);
                wx = _mm256_or_si256(wx, _mm256_slli_epi32(wx, 16));
                wy = _mm256_or_si256(wy, _mm256_slli_epi32(wy, 16));
                const __m256i mixed = Lerp8(Lerp8(tl, tr, wx), Lerp8(bl, br, wx), wy);
                const __m256i zero = _mm256_setzero_si256();
                __m256i sum = _mm256_add_epi16(_mm256_unpacklo_epi8(mixed, zero), _mm256_unpackhi_epi8(mixed, zero));
                sum = _mm256_add_epi16(sum, _mm256_srli_si256(sum, 8));
                sum = _mm256_srli_epi16(_mm256_add_epi16(sum, _mm256_set1_epi16(2)), 2);
                const __m256i packed = _mm256_packus_epi16(sum, zero);
                out[i] = std::uint32_t(_mm256_extract_epi32(packed, 0));
                out[i + 1] = std::uint32_t(_mm256_extract_epi32(packed, 4));
            } else {
                alignas(32) int lu[8], lv[8];
                _mm256_store_si256(reinterpret_cast<__m256i*>(lu), U);
                _mm256_store_si256(reinterpret_cast<__m256i*>(lv), V);
                for (int p = 0; p < 2 && i + p < end; ++p) {
                    std::int64_t fx[4], fy[4];
                    for (int s = 0; s < 4; ++s) {
                        fx[s] = std::int64_t(lu[4 * p + s]) << 16;
                        fy[s] = std::int64_t(lv[4 * p + s]) << 16;
                    }
                    out[i + p] = view.AverageFour(fx, fy);
                }
            }
            U = _mm256_add_epi32(U, stepU);
            V = _mm256_add_epi32(V, stepV);
        }
    }
}
#endif

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
    const int n = oversampling;
    const int samples = n * n;
    // Per target pixel step of a cache position, and the step between sub-samples.
    const std::int64_t stepXx = ToFixed(inverse.m11()), stepXy = ToFixed(inverse.m12());
    const std::int64_t subXx = ToFixed(inverse.m11() / n), subXy = ToFixed(inverse.m12() / n);
    const int width = x1 - x0;
    std::vector<std::uint32_t> row(static_cast<size_t>(width));

    for (int y = y0; y < y1; ++y) {
        // Cache positions of the row's sub-sample lines, shifted by half a pixel to pixel centres.
        double startX[6], startY[6];
        std::int64_t lineX[6], lineY[6];
        for (int j = 0; j < n; ++j) {
            const QPointF c = inverse.map(QPointF(x0 + 0.5 / n, y + (j + 0.5) / n));
            startX[j] = c.x() - 0.5;
            startY[j] = c.y() - 0.5;
        }
        // Only pixels whose samples can touch the cache need work when the outside is transparent.
        int first = 0, last = width;
        if (outside == 0) {
            double lo = width, hi = -1;
            for (int j = 0; j < n; ++j)
                for (int k = 0; k < n; ++k) {
                    const double u = startX[j] + k * inverse.m11() / n, v = startY[j] + k * inverse.m12() / n;
                    double a = 0, b = width;
                    ClipLine(u, inverse.m11(), -1.0, cache.width(), a, b);
                    ClipLine(v, inverse.m12(), -1.0, cache.height(), a, b);
                    if (a <= b) {
                        lo = std::min(lo, a);
                        hi = std::max(hi, b);
                    }
                }
            first = std::clamp(int(std::floor(lo)) - 1, 0, width);
            last = std::clamp(int(std::ceil(hi)) + 2, first, width);
        }
        std::fill(row.begin(), row.begin() + first, 0u);
        std::fill(row.begin() + last, row.end(), 0u);
        for (int j = 0; j < n; ++j) {
            lineX[j] = ToFixed(startX[j] + first * inverse.m11());
            lineY[j] = ToFixed(startY[j] + first * inverse.m12());
        }
#if TESSALY_AVX2_ROWS
        // 16.16 positions need the cache to stay well inside ±32767 pixels.
        if (n == 2 && CpuHasAvx2() && cache.width() < 30000 && cache.height() < 30000) {
            const double u[4] = {startX[0] + first * inverse.m11(), startX[0] + first * inverse.m11() + inverse.m11() / 2,
                                 startX[1] + first * inverse.m11(), startX[1] + first * inverse.m11() + inverse.m11() / 2};
            const double v[4] = {startY[0] + first * inverse.m12(), startY[0] + first * inverse.m12() + inverse.m12() / 2,
                                 startY[1] + first * inverse.m12(), startY[1] + first * inverse.m12() + inverse.m12() / 2};
            SampleRowFourAvx2(view, u, v, inverse.m11(), inverse.m12(), first, last, row.data());
        } else
#endif
        for (int i = first; i < last; ++i) {
            if (n == 2) {
                const std::int64_t xs[4] = {lineX[0], lineX[0] + subXx, lineX[1], lineX[1] + subXx};
                const std::int64_t ys[4] = {lineY[0], lineY[0] + subXy, lineY[1], lineY[1] + subXy};
                row[size_t(i)] = view.AverageFour(xs, ys);
            } else {
                std::uint32_t sum[4] = {0, 0, 0, 0};
                for (int j = 0; j < n; ++j)
                    for (int k = 0; k < n; ++k) {
                        const std::uint32_t s = view.Sample(lineX[j] + k * subXx, lineY[j] + k * subXy);
                        for (int c = 0; c < 4; ++c)
                            sum[c] += (s >> (8 * c)) & 0xff;
                    }
                std::uint32_t pixel = 0;
                for (int c = 0; c < 4; ++c)
                    pixel |= ((sum[c] + samples / 2) / samples) << (8 * c);
                row[size_t(i)] = pixel;
            }
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
