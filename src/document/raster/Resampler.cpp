// Separable resampling: weight tables per output column and row, applied to premultiplied ARGB
// pixels in two passes (rows first, then columns).
#include "document/raster/Resampler.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace tessaly::document {
namespace {

constexpr int kWeightBits = 14;
constexpr int kWeightOne = 1 << kWeightBits;

struct Kernel {
    double support;            // radius in source pixels at scale 1
    double (*weight)(double);  // weight at distance x
};

double BoxWeight(double x) { return std::abs(x) <= 0.5 ? 1.0 : 0.0; }
double TriangleWeight(double x) { x = std::abs(x); return x < 1.0 ? 1.0 - x : 0.0; }
double CosineWeight(double x)
{
    x = std::abs(x);
    return x < 1.0 ? (std::cos(std::numbers::pi * x) + 1.0) / 2.0 : 0.0;
}
double SplineWeight(double x)  // cubic B-spline
{
    x = std::abs(x);
    if (x < 1.0) return (4.0 + x * x * (3.0 * x - 6.0)) / 6.0;
    if (x < 2.0) { const double t = 2.0 - x; return t * t * t / 6.0; }
    return 0.0;
}
double Sinc(double x)
{
    if (x == 0.0) return 1.0;
    x *= std::numbers::pi;
    return std::sin(x) / x;
}
double LanczosWeight(double x) { return std::abs(x) < 3.0 ? Sinc(x) * Sinc(x / 3.0) : 0.0; }
double MitchellWeight(double x)  // B = C = 1/3
{
    constexpr double B = 1.0 / 3.0, C = 1.0 / 3.0;
    x = std::abs(x);
    if (x < 1.0)
        return ((12 - 9 * B - 6 * C) * x * x * x + (-18 + 12 * B + 6 * C) * x * x + (6 - 2 * B)) / 6.0;
    if (x < 2.0)
        return ((-B - 6 * C) * x * x * x + (6 * B + 30 * C) * x * x + (-12 * B - 48 * C) * x + (8 * B + 24 * C)) / 6.0;
    return 0.0;
}

Kernel KernelOf(TdtpStretchFilter filter)
{
    switch (filter) {
    case TdtpStretchFilter::sfNearest:
    case TdtpStretchFilter::sfDraft: return {0.5, BoxWeight};
    case TdtpStretchFilter::sfLinear: return {1.0, TriangleWeight};
    case TdtpStretchFilter::sfCosine: return {1.0, CosineWeight};
    case TdtpStretchFilter::sfSpline: return {2.0, SplineWeight};
    case TdtpStretchFilter::sfLanczos: return {3.0, LanczosWeight};
    case TdtpStretchFilter::sfMitchell: return {2.0, MitchellWeight};
    }
    return {1.0, TriangleWeight};
}

// Source taps of one output pixel: first index and integer weights summing to kWeightOne.
struct Taps {
    int first = 0;
    std::vector<int> weights;
};

std::vector<Taps> BuildTaps(int sourceLength, int targetLength, TdtpStretchFilter filter)
{
    std::vector<Taps> taps(targetLength);
    const double ratio = double(sourceLength) / targetLength;
    if (filter == TdtpStretchFilter::sfNearest) {
        for (int o = 0; o < targetLength; ++o) {
            taps[o].first = std::clamp(int((o + 0.5) * ratio), 0, sourceLength - 1);
            taps[o].weights = {kWeightOne};
        }
        return taps;
    }
    const Kernel kernel = KernelOf(filter);
    const double widen = std::max(1.0, ratio);  // a reduction widens the kernel over the source
    const double radius = kernel.support * widen;
    for (int o = 0; o < targetLength; ++o) {
        const double centre = (o + 0.5) * ratio - 0.5;
        const int from = std::max(0, int(std::floor(centre - radius)));
        const int to = std::min(sourceLength - 1, int(std::ceil(centre + radius)));
        std::vector<double> raw;
        double sum = 0.0;
        for (int i = from; i <= to; ++i) {
            const double w = kernel.weight((i - centre) / widen);
            raw.push_back(w);
            sum += w;
        }
        Taps& t = taps[o];
        t.first = from;
        if (sum == 0.0) {  // a box narrower than a pixel between two centres: take the nearest
            t.first = std::clamp(int(std::lround(centre)), 0, sourceLength - 1);
            t.weights = {kWeightOne};
            continue;
        }
        int total = 0;
        for (double w : raw) {
            t.weights.push_back(int(std::lround(w / sum * kWeightOne)));
            total += t.weights.back();
        }
        // put the rounding remainder on the largest weight so a flat image stays flat
        auto largest = std::max_element(t.weights.begin(), t.weights.end());
        *largest += kWeightOne - total;
    }
    return taps;
}

QRgb Clamped(const int (&acc)[4])
{
    int c[4];
    for (int k = 0; k < 4; ++k)
        c[k] = std::clamp((acc[k] + kWeightOne / 2) >> kWeightBits, 0, 255);
    const int a = c[3];
    return qRgba(std::min(c[0], a), std::min(c[1], a), std::min(c[2], a), a);  // stay premultiplied
}

// One pass along rows (horizontal) or columns of `source`, resizing that axis to `length`.
QImage Pass(const QImage& source, int length, bool horizontal, TdtpStretchFilter filter)
{
    const int w = source.width(), h = source.height();
    const std::vector<Taps> taps = BuildTaps(horizontal ? w : h, length, filter);
    QImage out(horizontal ? length : w, horizontal ? h : length, QImage::Format_ARGB32_Premultiplied);
    const auto* bits = reinterpret_cast<const QRgb*>(source.constBits());
    const qsizetype stride = source.bytesPerLine() / 4;
    for (int line = 0; line < (horizontal ? h : w); ++line) {
        for (int o = 0; o < length; ++o) {
            const Taps& t = taps[o];
            int acc[4] = {0, 0, 0, 0};
            for (size_t k = 0; k < t.weights.size(); ++k) {
                const int i = t.first + int(k);
                const QRgb p = horizontal ? bits[line * stride + i] : bits[i * stride + line];
                const int wt = t.weights[k];
                acc[0] += qRed(p) * wt;
                acc[1] += qGreen(p) * wt;
                acc[2] += qBlue(p) * wt;
                acc[3] += qAlpha(p) * wt;
            }
            const QRgb result = Clamped(acc);
            if (horizontal)
                reinterpret_cast<QRgb*>(out.scanLine(line))[o] = result;
            else
                reinterpret_cast<QRgb*>(out.scanLine(o))[line] = result;
        }
    }
    return out;
}

}  // namespace

QImage Stretch(const QImage& source, QSize size, TdtpStretchFilter filter)
{
    if (size.isEmpty() || source.isNull())
        return {};
    QImage src = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (src.size() == size)
        return src;
    // Reduce the axis that shrinks most first: the intermediate image stays small.
    const bool rowsFirst = double(size.width()) / src.width() <= double(size.height()) / src.height();
    if (rowsFirst) {
        if (size.width() != src.width()) src = Pass(src, size.width(), true, filter);
        if (size.height() != src.height()) src = Pass(src, size.height(), false, filter);
    } else {
        if (size.height() != src.height()) src = Pass(src, size.height(), false, filter);
        if (size.width() != src.width()) src = Pass(src, size.width(), true, filter);
    }
    return src;
}

void StretchInto(QImage& target, const QRect& targetRect, const QImage& source, TdtpStretchFilter filter,
                 bool opaque)
{
    const QImage stretched = Stretch(source, targetRect.size(), filter);
    if (stretched.isNull())
        return;
    QPainter painter(&target);
    if (opaque)
        painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(targetRect.topLeft(), stretched);
}

}  // namespace tessaly::document
