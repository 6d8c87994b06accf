// Hit testing: bounds region, outline with probe offsets, cache alpha, deepest hit.
#include "TestShapes.h"

#include "document/core/Document.h"

#include <gtest/gtest.h>

namespace tessaly::document {
namespace {

using test::MakeAt;
using test::TestRectShape;

class HitTestTest : public ::testing::Test {
protected:
    HitTestTest()
    {
        doc.SetScreenDpm(10);  // 10 screen pixels per millimetre, page at the origin
    }
    TdtpShape* Add(std::unique_ptr<TdtpShape> shape) { return doc.Shapes(doc.AddShape(std::move(shape))); }
    TdtpDocument doc;
};

TEST_F(HitTestTest, OutlineIsProbedAroundThePoint)
{
    TdtpShape* shape = Add(MakeAt(10, 10, 10, 10));
    shape->SetCurbs(1);  // the bounds region reaches 10 pixels beyond the outline
    EXPECT_TRUE(shape->HitTest({150, 150}));
    EXPECT_FALSE(shape->HitTest({50, 50}));
    EXPECT_TRUE(shape->HitTest({201, 150}));   // 1.5 pixels off: the probe at -2 reaches in
    EXPECT_FALSE(shape->HitTest({205, 150}));  // inside the bounds, too far from the outline
    doc.SetHitSensitivity(0);
    EXPECT_FALSE(shape->HitTest({201, 150}));
    EXPECT_EQ(shape->GetPixelBounds(), QRect(QPoint(90, 90), QPoint(210, 210)));
}

TEST_F(HitTestTest, CachedShapeIsHitWhereItsPixelsAreOpaque)
{
    auto ring = MakeAt(10, 10, 10, 10);
    ring->Fill = 0;  // paints nothing: transparent everywhere
    TdtpShape* empty = Add(std::move(ring));
    TdtpShape* solid = Add(MakeAt(30, 10, 10, 10));
    for (TdtpShape* s : {empty, solid})
        s->SetDocAngle(10);
    QImage target(600, 300, QImage::Format_ARGB32_Premultiplied);
    target.fill(0);
    TDeviceContext dc;
    dc.RenderDpm = 10;
    RenderShape(*doc.CurrentPage(), target, QRectF(0, 0, 60, 30), true, dc);
    ASSERT_FALSE(solid->Cache().isNull());
    const QPoint solidCentre = solid->LocalToScreen({5, 5}).toPoint();
    const QPoint emptyCentre = empty->LocalToScreen({5, 5}).toPoint();
    EXPECT_TRUE(solid->HitTest(solidCentre));
    EXPECT_FALSE(empty->HitTest(emptyCentre));
}

TEST_F(HitTestTest, DeepHitFindsTheTopmostChild)
{
    auto group = MakeAt<TdtpGroupShape>(10, 10, 20, 20);
    group->AddChild(MakeAt(0, 0, 10, 10));
    group->AddChild(MakeAt(5, 5, 10, 10));
    TdtpShape* g = Add(std::move(group));
    TdtpShape* found = nullptr;
    ASSERT_TRUE(g->HitTestDeep({170, 170}, found));
    EXPECT_EQ(found, g->GetChild(1));
    ASSERT_TRUE(g->HitTestDeep({120, 120}, found));
    EXPECT_EQ(found, g->GetChild(0));
    ASSERT_TRUE(g->HitTestDeep({280, 120}, found));
    EXPECT_EQ(found, g);  // no child there: the group itself
    EXPECT_FALSE(g->HitTestDeep({50, 50}, found));
}

}  // namespace
}  // namespace tessaly::document
