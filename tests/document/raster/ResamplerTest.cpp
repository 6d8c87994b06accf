// The separable resampler: every filter keeps flat colours flat and stays premultiplied; nearest
// and box reductions give the expected pixels.
#include "document/raster/Resampler.h"

#include <gtest/gtest.h>

namespace tessaly::document {
namespace {

constexpr TdtpStretchFilter kFilters[] = {
    TdtpStretchFilter::sfNearest, TdtpStretchFilter::sfDraft,   TdtpStretchFilter::sfLinear,
    TdtpStretchFilter::sfCosine,  TdtpStretchFilter::sfSpline,  TdtpStretchFilter::sfLanczos,
    TdtpStretchFilter::sfMitchell,
};

TEST(Resampler, FlatImageStaysFlatWithEveryFilter)
{
    QImage flat(13, 7, QImage::Format_ARGB32_Premultiplied);
    flat.fill(qPremultiply(qRgba(200, 100, 50, 128)));
    for (TdtpStretchFilter filter : kFilters)
        for (QSize size : {QSize(40, 3), QSize(5, 20), QSize(1, 1), QSize(13, 7)}) {
            const QImage out = Stretch(flat, size, filter);
            ASSERT_EQ(out.size(), size);
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    ASSERT_EQ(out.pixel(x, y), flat.pixel(0, 0)) << int(filter) << " " << x << "," << y;
        }
}

TEST(Resampler, SharpEdgesStayPremultipliedWithNegativeLobes)
{
    QImage edge(8, 1, QImage::Format_ARGB32_Premultiplied);
    edge.fill(0);
    for (int x = 4; x < 8; ++x)
        edge.setPixel(x, 0, 0xFFFFFFFF);
    for (TdtpStretchFilter filter : kFilters) {
        const QImage out = Stretch(edge, QSize(29, 1), filter);
        for (int x = 0; x < 29; ++x) {
            const QRgb p = out.pixel(x, 0);
            ASSERT_LE(qRed(p), qAlpha(p)) << int(filter);
        }
        EXPECT_EQ(qAlpha(out.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(out.pixel(28, 0)), 255);
    }
}

TEST(Resampler, NearestAndBoxReductions)
{
    QImage checker(4, 2, QImage::Format_ARGB32_Premultiplied);
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 2; ++y)
            checker.setPixel(x, y, (x + y) % 2 ? 0xFFFFFFFF : 0xFF000000);
    const QImage box = Stretch(checker, QSize(2, 1), TdtpStretchFilter::sfDraft);
    EXPECT_NEAR(qRed(box.pixel(0, 0)), 128, 1);  // black and white average to grey
    EXPECT_NEAR(qRed(box.pixel(1, 0)), 128, 1);
    const QImage up = Stretch(checker, QSize(8, 4), TdtpStretchFilter::sfNearest);
    EXPECT_EQ(up.pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(up.pixel(2, 0), 0xFFFFFFFFu);
    EXPECT_EQ(up.pixel(3, 3), 0xFF000000u);
    EXPECT_TRUE(Stretch(checker, QSize(0, 5), TdtpStretchFilter::sfLinear).isNull());
}

}  // namespace
}  // namespace tessaly::document
