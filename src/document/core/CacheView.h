// Reading a premultiplied cache bitmap with bilinear interpolation, and blending finished pixels
// over the target: the scalar pieces shared by the resampling loops of CacheSampler.
#pragma once

#include <cstdint>
#include <QtGlobal>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tessaly::document::cache {

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

// `src` over `dst`, first scaled by `masterAlpha` when that is below 255.
inline void BlendOver(std::uint32_t& dst, std::uint32_t src, std::uint32_t masterAlpha)
{
    if (masterAlpha < 255)
        src = ByteMul(src, masterAlpha);
    const std::uint32_t alpha = src >> 24;
    if (alpha == 255)
        dst = src;
    else if (alpha != 0 || src != 0)
        dst = src + ByteMul(dst, 255 - alpha);
}

// Two target pixels per step along [first, last), blended straight into `out` (indexed like the
// row); see CacheSamplerAvx2.cpp. False when the processor lacks AVX2 or the cache is too large.
bool DrawRowFourAvx2(const CacheView& view, const double (&u)[4], const double (&v)[4], double du, double dv,
                     int first, int last, std::uint32_t* out, std::uint32_t masterAlpha);

}  // namespace tessaly::document::cache
