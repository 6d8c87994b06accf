// The AVX2 row loop of the cached render path: the four sub-samples of two target pixels in one
// pass, bilinear weights applied with 16-bit multiply-adds, each finished pair blended at once.
#include "document/core/CacheView.h"

#include <algorithm>
#include <cmath>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define TESSALY_AVX2_ROWS 1
#endif

namespace tessaly::document::cache {

#if TESSALY_AVX2_ROWS
namespace {

// std::lround without the library call (it showed in profiles): the same result, halves away
// from zero. The fraction x − trunc(x) is exact.
inline long RoundToLong(double x)
{
    if (!(std::fabs(x) < 1.0e18))
        return std::lround(x);
    long whole = long(x);
    const double fraction = x - double(whole);
    if (fraction >= 0.5)
        ++whole;
    else if (fraction <= -0.5)
        --whole;
    return whole;
}

bool CpuHasAvx2()
{
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}

// The pixel pairs p[0], p[1] at two places in one vector.
inline __m128i TwoPairs(const std::uint32_t* p, const std::uint32_t* q)
{
    const __m128i low = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
    return _mm_castpd_si128(_mm_loadh_pd(_mm_castsi128_pd(low), reinterpret_cast<const double*>(q)));
}

// The pixel pairs at four places: each 64-bit lane holds a left and a right neighbour.
__attribute__((target("avx2"))) inline __m256i Pairs(const std::uint32_t* base, const int* at)
{
    return _mm256_inserti128_si256(_mm256_castsi128_si256(TwoPairs(base + at[0], base + at[1])),
                                   TwoPairs(base + at[2], base + at[3]), 1);
}

// (a·(256 − w) + b·w) / 256 for the 16-bit (a, b) pairs and (256 − w, w) weights.
__attribute__((target("avx2"))) inline __m256i LerpPairs(__m256i pairs, __m256i w)
{
    return _mm256_srli_epi32(_mm256_madd_epi16(pairs, w), 8);
}

// Lanes a (four times) then b (four times) of `w`.
__attribute__((target("avx2"))) inline __m256i Spread(__m256i w, int a, int b)
{
    return _mm256_permutevar8x32_epi32(w, _mm256_setr_epi32(a, a, a, a, b, b, b, b));
}

// Four sub-samples: `top` and `bottom` hold their (left, right) pixel pairs, sub-samples 0 and 2
// in the low halves of the 128-bit lanes, 1 and 3 in the high halves. The weights hold
// (256 − w, w) as 16-bit pairs, one sub-sample per 128-bit lane: `wxEven` for 0 | 2, `wxOdd` for
// 1 | 3. Returns per channel (32-bit) the sums of sub-samples 0 + 1 | 2 + 3. Each step is the
// truncating (a·(256 − w) + b·w) / 256 of the scalar reader.
__attribute__((target("avx2"))) inline __m256i SumOfFour(__m256i top, __m256i bottom, __m256i wxEven,
                                                         __m256i wxOdd, __m256i wyEven, __m256i wyOdd)
{
    // Left and right byte of each channel side by side.
    const __m256i interleave = _mm256_setr_epi8(0, 4, 1, 5, 2, 6, 3, 7, 8, 12, 9, 13, 10, 14, 11, 15,
                                                0, 4, 1, 5, 2, 6, 3, 7, 8, 12, 9, 13, 10, 14, 11, 15);
    const __m256i zero = _mm256_setzero_si256();
    top = _mm256_shuffle_epi8(top, interleave);
    bottom = _mm256_shuffle_epi8(bottom, interleave);
    const __m256i topEven = LerpPairs(_mm256_unpacklo_epi8(top, zero), wxEven);
    const __m256i topOdd = LerpPairs(_mm256_unpackhi_epi8(top, zero), wxOdd);
    const __m256i bottomEven = LerpPairs(_mm256_unpacklo_epi8(bottom, zero), wxEven);
    const __m256i bottomOdd = LerpPairs(_mm256_unpackhi_epi8(bottom, zero), wxOdd);
    const __m256i even = LerpPairs(_mm256_or_si256(topEven, _mm256_slli_epi32(bottomEven, 16)), wyEven);
    const __m256i odd = LerpPairs(_mm256_or_si256(topOdd, _mm256_slli_epi32(bottomOdd, 16)), wyOdd);
    return _mm256_add_epi32(even, odd);
}

// (256 − w, w) pairs from 16.16 positions: w is the top eight fraction bits.
__attribute__((target("avx2"))) inline __m256i WeightPairs(__m256i position)
{
    const __m256i w = _mm256_and_si256(_mm256_srli_epi32(position, 8), _mm256_set1_epi32(0xff));
    return _mm256_or_si256(_mm256_sub_epi32(_mm256_set1_epi32(256), w), _mm256_slli_epi32(w, 16));
}

// Two finished pixels from eight sub-samples (lanes 0-3: the first pixel, 4-7: the second) whose
// cache offsets are `at` and whose 16.16 positions are U, V.
__attribute__((target("avx2"))) inline __m256i TwoPixels(const CacheView& view, const int (&at)[8], __m256i U,
                                                         __m256i V)
{
    const std::uint32_t* bits = view.bits;
    const std::uint32_t* below = bits + view.stride;
    const __m256i wx = WeightPairs(U), wy = WeightPairs(V);
    const __m256i first = SumOfFour(Pairs(bits, at), Pairs(below, at), Spread(wx, 0, 2), Spread(wx, 1, 3),
                                    Spread(wy, 0, 2), Spread(wy, 1, 3));
    const __m256i second = SumOfFour(Pairs(bits, at + 4), Pairs(below, at + 4), Spread(wx, 4, 6),
                                     Spread(wx, 5, 7), Spread(wy, 4, 6), Spread(wy, 5, 7));
    __m256i total = _mm256_add_epi32(_mm256_permute2x128_si256(first, second, 0x20),
                                     _mm256_permute2x128_si256(first, second, 0x31));
    total = _mm256_srli_epi32(_mm256_add_epi32(total, _mm256_set1_epi32(2)), 2);
    total = _mm256_packus_epi32(total, total);
    return _mm256_packus_epi16(total, total);  // pixel one in lane 0, pixel two in lane 4
}

// Positions in 16.16 fixed point, re-anchored from the exact positions every 32 pixels. Pairs
// that reach the cache's border go through the scalar reader. `u`, `v`: the four sub-sample
// positions of pixel `first`.
__attribute__((target("avx2"))) void DrawRow(const CacheView& view, const double (&u)[4], const double (&v)[4],
                                             double du, double dv, int first, int last, std::uint32_t* out,
                                             std::uint32_t masterAlpha)
{
    const __m256i stride = _mm256_set1_epi32(int(view.stride));
    const __m256i limitX = _mm256_set1_epi32(view.width - 2), limitY = _mm256_set1_epi32(view.height - 2);
    const __m256i stepU = _mm256_set1_epi32(int(RoundToLong(2 * du * 65536.0)));
    const __m256i stepV = _mm256_set1_epi32(int(RoundToLong(2 * dv * 65536.0)));
    const bool hasInterior = view.width >= 2 && view.height >= 2;
    for (int anchor = first; anchor < last; anchor += 32) {
        const int end = std::min(last, anchor + 32);
        const double k = anchor - first;
        alignas(32) int startU[8], startV[8];
        for (int lane = 0; lane < 8; ++lane) {
            const double extra = lane >= 4 ? 1.0 : 0.0;
            startU[lane] = int(RoundToLong((u[lane & 3] + (k + extra) * du) * 65536.0));
            startV[lane] = int(RoundToLong((v[lane & 3] + (k + extra) * dv) * 65536.0));
        }
        __m256i U = _mm256_load_si256(reinterpret_cast<const __m256i*>(startU));
        __m256i V = _mm256_load_si256(reinterpret_cast<const __m256i*>(startV));
        for (int i = anchor; i < end; i += 2) {
            const __m256i xi = _mm256_srai_epi32(U, 16), yi = _mm256_srai_epi32(V, 16);
            // Unsigned: negative positions compare above the limit.
            const __m256i inside = _mm256_and_si256(_mm256_cmpeq_epi32(_mm256_min_epu32(xi, limitX), xi),
                                                    _mm256_cmpeq_epi32(_mm256_min_epu32(yi, limitY), yi));
            if (hasInterior && i + 1 < end && _mm256_movemask_epi8(inside) == -1) {
                alignas(32) int at[8];
                _mm256_store_si256(reinterpret_cast<__m256i*>(at),
                                   _mm256_add_epi32(_mm256_mullo_epi32(yi, stride), xi));
                const __m256i pixels = TwoPixels(view, at, U, V);
                const auto one = std::uint32_t(_mm256_cvtsi256_si32(pixels));
                const auto two = std::uint32_t(_mm256_extract_epi32(pixels, 4));
                if ((one & two) >> 24 == 255 && masterAlpha >= 255) {
                    out[i] = one;
                    out[i + 1] = two;
                } else {
                    BlendOver(out[i], one, masterAlpha);
                    BlendOver(out[i + 1], two, masterAlpha);
                }
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
                    BlendOver(out[i + p], view.AverageFour(fx, fy), masterAlpha);
                }
            }
            U = _mm256_add_epi32(U, stepU);
            V = _mm256_add_epi32(V, stepV);
        }
    }
}

}  // namespace

bool DrawRowFourAvx2(const CacheView& view, const double (&u)[4], const double (&v)[4], double du, double dv,
                     int first, int last, std::uint32_t* out, std::uint32_t masterAlpha)
{
    // 16.16 positions need the cache to stay well inside ±32767 pixels.
    if (!CpuHasAvx2() || view.width >= 30000 || view.height >= 30000)
        return false;
    DrawRow(view, u, v, du, dv, first, last, out, masterAlpha);
    return true;
}

#else

bool DrawRowFourAvx2(const CacheView&, const double (&)[4], const double (&)[4], double, double, int, int,
                     std::uint32_t*, std::uint32_t)
{
    return false;
}

#endif

}  // namespace tessaly::document::cache
