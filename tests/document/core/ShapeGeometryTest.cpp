// Geometry of shapes: angles, constraints, anchor layout of grouped children, rotation about the
// centre, the coordinate chain and grouping.
#include "TestShapes.h"

#include "document/core/AnchorLayout.h"

#include <gtest/gtest.h>

namespace tessaly::document {
namespace {

using test::MakeAt;
using test::TestRectShape;

TEST(ShapeGeometry, AngleIsKeptInZeroTo360)
{
    const struct { float asked, stored; } cases[] = {
        {370, 10}, {-90, 270}, {720, 0}, {360, 0}, {359.5f, 359.5f}, {-1e-9f, 0},
    };
    for (const auto& c : cases) {
        TdtpShape shape;
        shape.SetDocAngle(c.asked);
        EXPECT_FLOAT_EQ(shape.DocAngle(), c.stored) << c.asked;
        EXPECT_GE(shape.DocAngle(), 0.0f);
        EXPECT_LT(shape.DocAngle(), 360.0f);
    }
}

TEST(ShapeGeometry, ConstrainSize)
{
    TdtpShape shape;
    shape.SetBounds(0, 0, 40, 20);
    float w = 0, h = 0;
    shape.ConstrainSize(w, h);
    EXPECT_FLOAT_EQ(w, 0.1f);  // raised to the smallest size
    EXPECT_FLOAT_EQ(h, 0.1f);

    shape.SetConstraints(5, 5, 30, 100);
    w = 50, h = 2;
    shape.ConstrainSize(w, h);
    EXPECT_FLOAT_EQ(w, 30);
    EXPECT_FLOAT_EQ(h, 5);

    shape.SetConstraints(0, 0, 0, 0);
    shape.LockAspect();  // 2:1
    w = 50, h = 10;
    shape.ConstrainSize(w, h);
    EXPECT_FLOAT_EQ(w, 20);
    EXPECT_FLOAT_EQ(h, 10);

    shape.SetAllowResize(false);
    w = 99, h = 99;
    EXPECT_FALSE(shape.ConstrainSize(w, h));
    EXPECT_FLOAT_EQ(w, 40);
    EXPECT_FLOAT_EQ(h, 20);
}

TEST(ShapeGeometry, BoundsConstrainedKeepsSizeAndPositionWhenNotAllowed)
{
    TdtpShape shape;
    shape.SetBounds(10, 10, 40, 20);
    shape.SetAllowResize(false);
    shape.SetBoundsConstrained(10, 10, 80, 80);
    EXPECT_FLOAT_EQ(shape.DocWidth(), 40);
    EXPECT_FLOAT_EQ(shape.DocHeight(), 20);
    shape.SetAllowMove(false);
    shape.SetBoundsConstrained(50, 60, 40, 20);
    EXPECT_FLOAT_EQ(shape.DocLeft(), 10);
    EXPECT_FLOAT_EQ(shape.DocTop(), 10);
}

TEST(ShapeGeometry, AnchorRuleForOneAxis)
{
    const struct { float P, S, F, E; bool prop, sizeProp, farLock, nearLock; float pos, size; } cases[] = {
        {10, 20, 100, 200, false, false, true, true, 10, 120},   // both locks keep both distances
        {10, 20, 100, 200, true, false, false, false, 30, 20},   // centre scaled, size kept
        {10, 20, 100, 200, true, true, false, false, 20, 40},    // centre and size scaled
        {10, 20, 100, 200, false, true, false, true, 10, 40},    // near lock: position stays
        {10, 20, 100, 200, false, false, true, false, 110, 20},  // far lock: far distance kept
        {10, 20, 100, 200, false, false, false, false, 10, 20},  // no lock
        {10, 20, 0, 50, true, false, false, false, 0, 20},       // from zero: prop goes to 0
        {10, 20, 0, 50, false, false, true, false, 10, 50},      // from zero: far lock takes E
    };
    for (const auto& c : cases) {
        const AnchorAxis r = LayoutAnchorAxis(c.P, c.S, c.F, c.E, c.prop, c.sizeProp, c.farLock, c.nearLock);
        EXPECT_FLOAT_EQ(r.position, c.pos) << c.P << " " << c.F << " " << c.E;
        EXPECT_FLOAT_EQ(r.size, c.size);
    }
}

TEST(ShapeGeometry, ResizingAGroupLaysOutChildrenByAnchors)
{
    TdtpGroupShape group;
    group.SetBounds(0, 0, 100, 50);
    auto locked = MakeAt(10, 5, 20, 10);
    locked->SetAnchors(anLeftLock | anRightLock | anTopLock);
    auto proportional = MakeAt(10, 5, 20, 10);
    proportional->SetAnchors(anPosXProp | anTopLock);
    TdtpShape* a = locked.get();
    TdtpShape* b = proportional.get();
    group.AddChild(std::move(locked));
    group.AddChild(std::move(proportional));
    group.SetGrouped(true);

    group.SetBounds(0, 0, 200, 50);
    EXPECT_FLOAT_EQ(a->DocLeft(), 10);
    EXPECT_FLOAT_EQ(a->DocWidth(), 120);
    EXPECT_FLOAT_EQ(b->DocLeft(), 30);
    EXPECT_FLOAT_EQ(b->DocWidth(), 20);
    EXPECT_FLOAT_EQ(b->BoundingBox().center().x(), 40);
}

TEST(ShapeGeometry, RotateAroundCenterKeepsTheCentre)
{
    TdtpShape shape;
    shape.SetBounds(10, 20, 40, 10);
    const QPointF centre = shape.LocalToParent({20, 5});
    for (float angle : {30.0f, 90.0f, 200.0f, 0.0f}) {
        shape.RotateAroundCenter(angle);
        const QPointF now = shape.LocalToParent({20, 5});
        EXPECT_NEAR(now.x(), centre.x(), 1e-4);
        EXPECT_NEAR(now.y(), centre.y(), 1e-4);
        EXPECT_FLOAT_EQ(shape.DocAngle(), angle);
    }
}

TEST(ShapeGeometry, CoordinateChainThroughRotatedParents)
{
    TdtpShape root;
    auto outer = MakeAt<TdtpShape>(30, 40, 50, 50);
    outer->SetDocAngle(90);  // counter-clockwise on screen: local x runs upward
    auto inner = MakeAt<TdtpShape>(10, 0, 10, 10);
    TdtpShape* innerRaw = inner.get();
    outer->AddChild(std::move(inner));
    root.AddChild(std::move(outer));

    const QPointF doc = innerRaw->LocalToDoc({0, 0});
    EXPECT_NEAR(doc.x(), 30, 1e-5);
    EXPECT_NEAR(doc.y(), 30, 1e-5);
    const QPointF back = innerRaw->DocToLocal(doc);
    EXPECT_NEAR(back.x(), 0, 1e-5);
    EXPECT_NEAR(back.y(), 0, 1e-5);
}

TEST(ShapeGeometry, GroupChildrenKeepsPagePositions)
{
    TdtpGroupShape group;
    TdtpShape* a = group.GetChild(group.AddChild(MakeAt(20, 30, 10, 10)));
    TdtpShape* b = group.GetChild(group.AddChild(MakeAt(50, 35, 10, 20)));
    b->SetPreserveAspect(true);
    const QPointF aDoc = a->LocalToDoc({0, 0}), bDoc = b->LocalToDoc({0, 0});
    group.GroupChildren();
    EXPECT_TRUE(group.Grouped());
    EXPECT_FLOAT_EQ(group.DocLeft(), 20);
    EXPECT_FLOAT_EQ(group.DocTop(), 30);
    EXPECT_FLOAT_EQ(group.DocWidth(), 40);
    EXPECT_FLOAT_EQ(group.DocHeight(), 25);
    EXPECT_EQ(a->LocalToDoc({0, 0}), aDoc);
    EXPECT_EQ(b->LocalToDoc({0, 0}), bDoc);
    EXPECT_FALSE(a->AllowSelect());
    EXPECT_TRUE(group.PreserveAspect());
}

TEST(ShapeGeometry, GroupedCurbsTakeTheLargestChildCurb)
{
    TdtpGroupShape group;
    TdtpShape* child = group.GetChild(group.AddChild(MakeAt(0, 0, 10, 10)));
    child->SetCurbs(0, 0, 3, 0);
    group.SetCurbs(1);
    float l, t, r, b;
    group.GetEffectiveCurbs(l, t, r, b);
    EXPECT_FLOAT_EQ(l, 1);
    group.SetGrouped(true);
    group.GetEffectiveCurbs(l, t, r, b);
    EXPECT_FLOAT_EQ(l, 3);
    EXPECT_FLOAT_EQ(b, 3);
}

TEST(ShapeGeometry, UpdateBlockDefersChangedAndUnbalancedEndFails)
{
    TdtpShape shape;
    int changes = 0;
    shape.OnChange = [&](TdtpShape*) { ++changes; };
    shape.BeginUpdate();
    shape.SetBounds(1, 2, 3, 4);
    shape.SetBounds(5, 6, 7, 8);
    EXPECT_EQ(changes, 0);
    shape.EndUpdate();
    EXPECT_EQ(changes, 1);
    try {
        shape.EndUpdate();
        FAIL();
    } catch (const DocumentError& e) {
        EXPECT_STREQ(e.what(), "EndUpdate called more often than BeginUpdate");
    }
}

}  // namespace
}  // namespace tessaly::document
