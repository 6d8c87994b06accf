// Pixel tests of the render pipeline: direct and cached paths, rotation, master alpha, mirroring,
// cache reuse.
#include "TestShapes.h"

#include "document/core/CacheSampler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace tessaly::document {
namespace {

using test::MakeAt;
using test::TestRectShape;

constexpr float kDpm = 10;  // 10 pixels per millimetre keeps the arithmetic readable

class RenderTest : public ::testing::Test {
protected:
    RenderTest() : target(200, 200, QImage::Format_ARGB32_Premultiplied)
    {
        root.SetBounds(0, 0, 20, 20);
        target.fill(0);
        dc.Device = TDeviceType::dtPrinter;
        dc.DeviceDpm = kDpm;
        dc.RenderDpm = kDpm;
    }
    TestRectShape* Add(std::unique_ptr<TestRectShape> shape)
    {
        return static_cast<TestRectShape*>(root.GetChild(root.AddChild(std::move(shape))));
    }
    void Render() { RenderShape(root, target, QRectF(0, 0, 20, 20), true, dc); }
    int Alpha(int x, int y) const { return qAlpha(target.pixel(x, y)); }

    TdtpShape root;
    QImage target;
    TDeviceContext dc;
};

TEST_F(RenderTest, PlainShapeDrawsDirectlyAtItsPixels)
{
    TestRectShape* shape = Add(MakeAt(2, 3, 5, 4));
    EXPECT_FALSE(shape->UsesCache());
    Render();
    EXPECT_EQ(target.pixel(20, 30), 0xFF0000FFu);
    EXPECT_EQ(target.pixel(69, 69), 0xFF0000FFu);
    EXPECT_EQ(target.pixel(19, 30), 0u);
    EXPECT_EQ(target.pixel(70, 69), 0u);
    EXPECT_EQ(target.pixel(20, 70), 0u);
    EXPECT_TRUE(shape->Cache().isNull());
}

TEST_F(RenderTest, RotatedTranslucentRectangleLandsWhereTheChainSays)
{
    TestRectShape* shape = Add(MakeAt(10, 6, 6, 4));
    shape->Fill = 0xFFFF0000;
    shape->SetDocAngle(30);
    shape->SetMasterAlpha(128);
    ASSERT_TRUE(shape->UsesCache());
    Render();

    long long totalAlpha = 0;
    int inside = 0, outside = 0, edge = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) {
            const int a = Alpha(x, y);
            totalAlpha += a;
            const QPointF local = shape->ParentToLocal(QPointF(x + 0.5, y + 0.5) / kDpm) * kDpm;
            // signed distance in pixels to the rectangle's outline, negative inside
            const double d = std::max({-local.x(), local.x() - 60, -local.y(), local.y() - 40});
            if (d < -1.2) {
                ++inside;
                EXPECT_NEAR(a, 128, 2) << x << "," << y;
                EXPECT_NEAR(qRed(target.pixel(x, y)), 128, 2);
                EXPECT_EQ(qBlue(target.pixel(x, y)), 0);
            } else if (d > 1.2) {
                ++outside;
                EXPECT_EQ(a, 0) << x << "," << y;
            } else if (std::abs(d) < 0.1 && std::min(std::abs(local.x() - 30), std::abs(local.y() - 20)) < 15) {
                ++edge;  // a pixel centred on an edge (away from corners) is half covered
                EXPECT_NEAR(a, 64, 20) << x << "," << y;
            }
        }
    EXPECT_GT(inside, 1500);
    EXPECT_GT(edge, 20);
    EXPECT_GT(outside, 30000);
    // the covered area is the rectangle's: 24 mm² at 100 pixels each, at half opacity
    EXPECT_NEAR(double(totalAlpha) / 128.0, 2400.0, 24.0);
}

TEST_F(RenderTest, MasterAlphaTurnsTheCacheOnAndBlendsAtHalfOpacity)
{
    target.fill(0xFFFFFFFF);
    TestRectShape* shape = Add(MakeAt(2, 2, 5, 5));
    EXPECT_FALSE(shape->UsesCache());
    shape->SetMasterAlpha(128);
    EXPECT_TRUE(shape->UsesCache());
    Render();
    EXPECT_FALSE(shape->Cache().isNull());
    const QRgb mid = target.pixel(45, 45);  // blue at half opacity over white
    EXPECT_EQ(qAlpha(mid), 255);
    EXPECT_NEAR(qBlue(mid), 255, 1);
    EXPECT_NEAR(qRed(mid), 127, 2);
}

TEST_F(RenderTest, MirrorAndFlipTurnTheCache)
{
    class Corner : public TestRectShape {
    public:
        void PaintCanvas(QPainter& canvas, const TDeviceContext&) override
        {
            canvas.fillRect(QRectF(0, 0, 1, 1), Qt::red);  // the top-left millimetre
        }
    };
    auto* shape = static_cast<TestRectShape*>(root.GetChild(root.AddChild(MakeAt<Corner>(5, 5, 10, 10))));
    shape->SetMirrored(true);
    Render();
    EXPECT_EQ(Alpha(55, 55), 0);
    EXPECT_EQ(Alpha(145, 55), 255);
    target.fill(0);
    shape->SetFlipped(true);
    Render();
    EXPECT_EQ(Alpha(145, 55), 0);
    EXPECT_EQ(Alpha(145, 145), 255);
}

TEST_F(RenderTest, CacheIsReusedUntilStaleAndDroppedOnRequest)
{
    TestRectShape* shape = Add(MakeAt(2, 2, 5, 5));
    shape->SetCacheAlways(true);
    dc.RenderDpm = 20;
    Render();
    EXPECT_FLOAT_EQ(shape->CacheDpm(), 20);
    EXPECT_EQ(shape->Cache().width(), 100);
    dc.RenderDpm = 10;  // a finer cache serves a coarser request
    Render();
    EXPECT_FLOAT_EQ(shape->CacheDpm(), 20);
    dc.ExactCache = true;
    Render();
    EXPECT_FLOAT_EQ(shape->CacheDpm(), 10);
    shape->SetBounds(2, 2, 6, 5);  // a size change makes it stale
    EXPECT_FLOAT_EQ(shape->CacheDpm(), 0);
    dc.DropCaches = true;
    Render();
    EXPECT_TRUE(shape->Cache().isNull());
}

TEST_F(RenderTest, CacheSizeIncludesTheCurbs)
{
    TestRectShape* shape = Add(MakeAt(2, 2, 5, 4));
    shape->SetCurbs(0.25f, 0.125f, 0.5f, 0);
    shape->SetCacheAlways(true);
    Render();
    EXPECT_EQ(shape->Cache().width(), 3 + 55);   // ceil(2.5) + ceil(55)
    EXPECT_EQ(shape->Cache().height(), 2 + 40);  // ceil(1.25) + ceil(40)
    EXPECT_EQ(shape->CacheOrigin(), QPoint(3, 2));
}

TEST(CacheSampler, OversamplingOutsideOneToSixIsRefused)
{
    QImage target(4, 4, QImage::Format_ARGB32_Premultiplied), cache(4, 4, QImage::Format_ARGB32_Premultiplied);
    target.fill(0);
    cache.fill(0xFFFFFFFF);
    for (int n : {0, 7}) {
        try {
            DrawCacheTransformed(target, cache, QTransform(), 255, 0, n);
            FAIL() << n;
        } catch (const DocumentError& e) {
            EXPECT_STREQ(e.what(), "Illegal oversampling value");
        }
    }
    DrawCacheTransformed(target, cache, QTransform(), 255, 0, 3);
    EXPECT_EQ(target.pixel(1, 1), 0xFFFFFFFFu);
}

// Reference: the average of four bilinear reads in double precision.
double ReferenceChannel(const QImage& cache, const QTransform& inverse, int x, int y, int shift)
{
    double sum = 0;
    for (double oy : {0.25, 0.75})
        for (double ox : {0.25, 0.75}) {
            const QPointF c = inverse.map(QPointF(x + ox, y + oy)) - QPointF(0.5, 0.5);
            const int x0 = int(std::floor(c.x())), y0 = int(std::floor(c.y()));
            const double fx = c.x() - x0, fy = c.y() - y0;
            const auto at = [&](int px, int py) -> double {
                if (px < 0 || py < 0 || px >= cache.width() || py >= cache.height()) return 0;
                return (cache.pixel(px, py) >> shift) & 0xff;
            };
            sum += (at(x0, y0) * (1 - fx) + at(x0 + 1, y0) * fx) * (1 - fy) +
                   (at(x0, y0 + 1) * (1 - fx) + at(x0 + 1, y0 + 1) * fx) * fy;
        }
    return sum / 4;
}

TEST(CacheSampler, FourSamplesMatchTheBilinearAverage)
{
    QImage cache(37, 23, QImage::Format_ARGB32_Premultiplied);
    std::uint32_t seed = 12345;
    for (int y = 0; y < cache.height(); ++y)
        for (int x = 0; x < cache.width(); ++x) {
            seed = seed * 1103515245u + 12345u;
            const int a = (seed >> 8) & 0xff, r = (seed >> 16) % (a + 1), b = (seed >> 3) % (a + 1);
            cache.setPixel(x, y, qRgba(r, 0, b, a));
        }
    for (double angle : {0.0, 17.0, 90.0, 223.0}) {
        QTransform toTarget;
        toTarget.translate(40, 35);
        toTarget.rotate(angle);
        toTarget.scale(1.3, 1.3);
        QImage target(80, 70, QImage::Format_ARGB32_Premultiplied);
        target.fill(0);
        DrawCacheTransformed(target, cache, toTarget, 255);
        const QTransform inverse = toTarget.inverted();
        for (int y = 0; y < target.height(); ++y)
            for (int x = 0; x < target.width(); ++x)
                for (int shift : {0, 16, 24})
                    ASSERT_NEAR((target.pixel(x, y) >> shift) & 0xff, ReferenceChannel(cache, inverse, x, y, shift), 2.5)
                        << angle << " at " << x << "," << y;
    }
}

}  // namespace
}  // namespace tessaly::document
