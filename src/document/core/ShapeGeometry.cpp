// TdtpShape geometry: the coordinate chain, bounding boxes, curbs, SetGeometry with the anchor layout
// of grouped children, constraints and rotation about the centre.
#include "document/core/Shape.h"

#include "document/core/AnchorLayout.h"
#include "document/core/Document.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tessaly::document {
namespace {

QRectF BoxOfCorners(const TdtpShape& shape, float left, float top, float right, float bottom)
{
    const QPointF corners[4] = {shape.LocalToParent({left, top}), shape.LocalToParent({right, top}),
                                shape.LocalToParent({right, bottom}), shape.LocalToParent({left, bottom})};
    double x0 = corners[0].x(), x1 = x0, y0 = corners[0].y(), y1 = y0;
    for (const QPointF& p : corners) {
        x0 = std::min(x0, p.x()); x1 = std::max(x1, p.x());
        y0 = std::min(y0, p.y()); y1 = std::max(y1, p.y());
    }
    return QRectF(QPointF(x0, y0), QPointF(x1, y1));
}

}  // namespace

// ---- coordinate chain ----

QPointF TdtpShape::LocalToParent(QPointF p) const
{
    return {FCos * p.x() + FSin * p.y() + FDocLeft, -FSin * p.x() + FCos * p.y() + FDocTop};
}

QTransform TdtpShape::LocalToParentTransform() const
{
    return QTransform(FCos, -FSin, FSin, FCos, FDocLeft, FDocTop);
}

QPointF TdtpShape::ParentToLocal(QPointF p) const
{
    const double dx = p.x() - FDocLeft, dy = p.y() - FDocTop;
    return {FCos * dx - FSin * dy, FSin * dx + FCos * dy};
}

QPointF TdtpShape::LocalToDoc(QPointF p) const
{
    for (const TdtpShape* shape = this; shape; shape = shape->FParent)
        p = shape->LocalToParent(p);
    return p;
}

QPointF TdtpShape::DocToLocal(QPointF p) const
{
    if (FParent)
        p = FParent->DocToLocal(p);
    return ParentToLocal(p);
}

QPointF TdtpShape::LocalToScreen(QPointF p) const
{
    p = LocalToDoc(p);
    if (FDocument)
        return FDocument->DocToScreenF(p);
    return p * double(kDpm150);
}

QPointF TdtpShape::ScreenToLocal(QPointF p) const
{
    p = FDocument ? FDocument->ScreenToDoc(p) : p / double(kDpm150);
    return DocToLocal(p);
}

QRectF TdtpShape::BoundingBox() const { return BoxOfCorners(*this, 0, 0, FDocWidth, FDocHeight); }

QRectF TdtpShape::DrawingBox() const
{
    float l, t, r, b;
    GetEffectiveCurbs(l, t, r, b);
    return BoxOfCorners(*this, -l, -t, FDocWidth + r, FDocHeight + b);
}

void TdtpShape::SetBoundsLeft(float value)
{
    SetBounds(FDocLeft + (value - BoundsLeft()), FDocTop, FDocWidth, FDocHeight);
}

void TdtpShape::SetBoundsTop(float value)
{
    SetBounds(FDocLeft, FDocTop + (value - BoundsTop()), FDocWidth, FDocHeight);
}

QRectF TdtpShape::GetChildrenBounds() const
{
    QRectF united;
    for (const auto& child : FChildren)
        united = united.isNull() ? child->BoundingBox() : united.united(child->BoundingBox());
    return united;
}

// ---- curbs ----

void TdtpShape::SetCurbs(float left, float top, float right, float bottom)
{
    if (left == FCurbLeft && top == FCurbTop && right == FCurbRight && bottom == FCurbBottom)
        return;
    FCurbLeft = left;
    FCurbTop = top;
    FCurbRight = right;
    FCurbBottom = bottom;
    FCacheDpm = 0;
}

void TdtpShape::AdjustCurbs(float& left, float& top, float& bottom, float& right) const
{
    if (FMirrored)
        left = right = std::max(left, right);
    if (FFlipped)
        top = bottom = std::max(top, bottom);
}

void TdtpShape::GetEffectiveCurbs(float& left, float& top, float& right, float& bottom) const
{
    left = FCurbLeft;
    top = FCurbTop;
    right = FCurbRight;
    bottom = FCurbBottom;
    AdjustCurbs(left, top, bottom, right);
    if (!FGrouped)
        return;
    for (const auto& child : FChildren) {
        float c[4] = {child->FCurbLeft, child->FCurbTop, child->FCurbRight, child->FCurbBottom};
        child->AdjustCurbs(c[0], c[1], c[3], c[2]);
        const float most = *std::max_element(c, c + 4);  // a rotated child may reach out on any side
        left = std::max(left, most);
        top = std::max(top, most);
        right = std::max(right, most);
        bottom = std::max(bottom, most);
    }
}

// ---- setters ----

void TdtpShape::SetDocHeight(float value)
{
    if (value != FDocHeight)
        SetBounds(FDocLeft, FDocTop, FDocWidth, value);
}

void TdtpShape::SetDocLeft(float value)
{
    if (value != FDocLeft)
        SetBounds(value, FDocTop, FDocWidth, FDocHeight);
}

void TdtpShape::SetDocTop(float value)
{
    if (value != FDocTop)
        SetBounds(FDocLeft, value, FDocWidth, FDocHeight);
}

void TdtpShape::SetDocWidth(float value)
{
    if (value != FDocWidth)
        SetBounds(FDocLeft, FDocTop, value, FDocHeight);
}

void TdtpShape::SetDocAngle(float value)
{
    if (value == FDocAngle)
        return;
    RecordFloatChange(ckProperty, QStringLiteral("DocAngle"), FDocAngle);
    InvalidateScreen();
    float angle = float(value - std::floor(value / 360.0) * 360.0);
    if (!std::isfinite(angle) || angle >= 360.0f || angle < 0.0f)
        angle = 0.0f;  // rounding of a tiny negative angle, or no angle at all
    FDocAngle = angle;
    const double radians = double(angle) * std::numbers::pi / 180.0;
    FCos = std::cos(radians);
    FSin = std::sin(radians);
    if (FParent)
        FParent->InvalidateCache();
    InvalidateScreen();
    Changed();
}

void TdtpShape::SetPosition(float left, float top)
{
    if (FDocument) FDocument->BeginUndo();
    if (left != FDocLeft)
        RecordFloatChange(ckProperty, QStringLiteral("DocLeft"), FDocLeft);
    if (top != FDocTop)
        RecordFloatChange(ckProperty, QStringLiteral("DocTop"), FDocTop);
    FDocLeft = left;
    FDocTop = top;
    if (FDocument) FDocument->EndUndo();
}

void TdtpShape::SetSize(float width, float height)
{
    if (FDocument) FDocument->BeginUndo();
    const bool changed = width != FDocWidth || height != FDocHeight;
    if (width != FDocWidth)
        RecordFloatChange(ckProperty, QStringLiteral("DocWidth"), FDocWidth);
    if (height != FDocHeight)
        RecordFloatChange(ckProperty, QStringLiteral("DocHeight"), FDocHeight);
    if (changed) {
        FDocWidth = width;
        FDocHeight = height;
        InvalidateCache();
    }
    if (FDocument) FDocument->EndUndo();
}

void TdtpShape::SetBounds(float left, float top, float width, float height)
{
    SetGeometry(left, top, width, height, FDocAngle);
}

void TdtpShape::StoreGeometryUnrecorded(float left, float top, float width, float height)
{
    FDocLeft = left;
    FDocTop = top;
    FDocWidth = width;
    FDocHeight = height;
}

void TdtpShape::SetGeometry(float left, float top, float width, float height, float angle)
{
    const bool moved = left != FDocLeft || top != FDocTop;
    const bool sized = width != FDocWidth || height != FDocHeight;
    const bool turned = angle != FDocAngle;
    if (!moved && !sized && !turned)
        return;
    InvalidateScreen();
    if (FGrouped && sized)
        LayoutGroupChildren(FDocWidth, FDocHeight, width, height);
    if (FDocument) FDocument->BeginUndo();
    if (moved)
        SetPosition(left, top);
    if (sized)
        SetSize(width, height);
    if (turned)
        SetDocAngle(angle);
    if (FDocument) FDocument->EndUndo();
    if (FParent)
        FParent->InvalidateCache();
    InvalidateScreen();
    Changed();
    if (sized && OnSizeChanged)
        OnSizeChanged(this);
}

void TdtpShape::LayoutGroupChildren(float oldWidth, float oldHeight, float newWidth, float newHeight)
{
    for (auto& owned : FChildren) {
        TdtpShape& child = *owned;
        const std::uint16_t a = child.FAnchors;
        const bool byDefault = a & anDefault;
        const float savedAngle = child.FDocAngle;
        child.SetDocAngle(0);
        const AnchorAxis x = LayoutAnchorAxis(
            child.FDocLeft, child.FDocWidth, oldWidth, newWidth, byDefault || (a & anPosXProp),
            byDefault ? FAllowResize : bool(a & anSizeXProp), !byDefault && (a & anRightLock),
            !byDefault && (a & anLeftLock));
        const AnchorAxis y = LayoutAnchorAxis(
            child.FDocTop, child.FDocHeight, oldHeight, newHeight, byDefault || (a & anPosYProp),
            byDefault ? FAllowResize : bool(a & anSizeYProp), !byDefault && (a & anBottomLock),
            !byDefault && (a & anTopLock));
        child.SetBounds(x.position, y.position, x.size, y.size);
        child.SetDocAngle(savedAngle);
        const bool bothX = !byDefault && (a & anLeftLock) && (a & anRightLock);
        const bool bothY = !byDefault && (a & anTopLock) && (a & anBottomLock);
        if (bothX || bothY)
            child.CenterAt(x.position + x.size / 2, y.position + y.size / 2);
    }
}

void TdtpShape::CenterAt(float x, float y)
{
    const QRectF box = BoundingBox();
    const QPointF centre = box.center();
    SetBounds(float(FDocLeft + (x - centre.x())), float(FDocTop + (y - centre.y())), FDocWidth, FDocHeight);
}

void TdtpShape::RotateAroundCenter(float angle)
{
    if (angle == FDocAngle)
        return;
    const double w = FDocWidth / 2.0, h = FDocHeight / 2.0;
    const double c0 = FCos, s0 = FSin;
    const double r = double(angle) * std::numbers::pi / 180.0;
    const double c1 = std::cos(r), s1 = std::sin(r);
    const double left = FDocLeft + (w * c0 + h * s0) - (w * c1 + h * s1);
    const double top = FDocTop + (-w * s0 + h * c0) - (-w * s1 + h * c1);
    SetGeometry(float(left), float(top), FDocWidth, FDocHeight, angle);
}

void TdtpShape::Inflate(float dx, float dy)
{
    SetBounds(FDocLeft - dx, FDocTop - dy, FDocWidth + 2 * dx, FDocHeight + 2 * dy);
}

bool TdtpShape::ConstrainSize(float& width, float& height) const
{
    if (!FAllowResize) {
        width = FDocWidth;
        height = FDocHeight;
        return false;
    }
    if (FMinWidth > 0) width = std::max(width, FMinWidth);
    if (FMaxWidth > 0) width = std::min(width, FMaxWidth);
    if (FMinHeight > 0) height = std::max(height, FMinHeight);
    if (FMaxHeight > 0) height = std::min(height, FMaxHeight);
    width = std::max(width, 0.1f);
    height = std::max(height, 0.1f);
    if (FPreserveAspect && FAspectRatio > 0 && std::isfinite(FAspectRatio)) {
        if (width / height > FAspectRatio)
            width = height * FAspectRatio;
        else
            height = width / FAspectRatio;
        if (width < FMinWidth) {
            width = FMinWidth;
            height = width / FAspectRatio;
        }
        if (height < FMinHeight) {
            height = FMinHeight;
            width = height * FAspectRatio;
        }
    }
    return true;
}

bool TdtpShape::ConstrainMove(float& left, float& top, float width, float height) const
{
    if (!FAllowMove && width == FDocWidth && height == FDocHeight) {
        left = FDocLeft;
        top = FDocTop;
    }
    return FAllowMove;
}

void TdtpShape::SetBoundsConstrained(float left, float top, float width, float height)
{
    ConstrainSize(width, height);
    ConstrainMove(left, top, width, height);
    SetBounds(left, top, width, height);
}

void TdtpShape::SetBoundsRect(const QRectF& rect)
{
    const QRectF r = rect.normalized();
    SetBoundsConstrained(float(r.left()), float(r.top()), float(r.width()), float(r.height()));
}

void TdtpShape::ApplyConstraintsAgain()
{
    float width = FDocWidth, height = FDocHeight;
    ConstrainSize(width, height);
    SetBounds(FDocLeft, FDocTop, width, height);
}

void TdtpShape::ApplyDragGeometry()
{
    SetBoundsConstrained(FDrag.Left, FDrag.Top, FDrag.Width, FDrag.Height);
    RotateAroundCenter(FDrag.Angle);
}

void TdtpShape::GroupChildren()
{
    if (FChildren.empty())
        return;
    const QRectF united = GetChildrenBounds();
    for (auto& child : FChildren)
        child->SetBounds(float(child->FDocLeft + FDocLeft - united.left()),
                         float(child->FDocTop + FDocTop - united.top()), child->FDocWidth, child->FDocHeight);
    FGrouped = false;
    SetBounds(float(united.left()), float(united.top()), float(united.width()), float(united.height()));
    FGrouped = true;
    bool keepsAspect = false;
    for (auto& child : FChildren) {
        keepsAspect = keepsAspect || child->FPreserveAspect;
        child->SetSelected(false);
        child->FAllowSelect = false;
    }
    if (keepsAspect)
        LockAspect();
}

}  // namespace tessaly::document
