// Hit testing in screen pixels: the bounds region, then the cache's alpha or the outline region,
// probed at the document's hit-probe offsets.
#include "document/core/Shape.h"

#include "document/core/Document.h"

#include <algorithm>
#include <cmath>

namespace tessaly::document {
namespace {

const std::vector<QPoint>& ProbesOf(const TdtpDocument* document)
{
    static const std::vector<QPoint> centreOnly{QPoint(0, 0)};
    return document ? document->HitProbeOffsets() : centreOnly;
}

QPointF PixelCentre(QPoint p) { return QPointF(p.x() + 0.5, p.y() + 0.5); }

}  // namespace

QPolygonF TdtpShape::CreateBoundsRegion() const
{
    float l, t, r, b;
    GetEffectiveCurbs(l, t, r, b);
    QPolygonF polygon;
    polygon << LocalToScreen({-l, -t}) << LocalToScreen({FDocWidth + r, -t})
            << LocalToScreen({FDocWidth + r, FDocHeight + b}) << LocalToScreen({-l, FDocHeight + b});
    return polygon;
}

QPainterPath TdtpShape::CreateOutlineRegion() const
{
    QPolygonF polygon;
    polygon << LocalToScreen({0, 0}) << LocalToScreen({FDocWidth, 0}) << LocalToScreen({FDocWidth, FDocHeight})
            << LocalToScreen({0, FDocHeight});
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QRect TdtpShape::GetPixelBounds() const
{
    const QRectF box = CreateBoundsRegion().boundingRect();
    return QRect(QPoint(int(std::nearbyint(box.left() - 0.5)), int(std::nearbyint(box.top() - 0.5))),
                 QPoint(int(std::nearbyint(box.right() + 0.5)), int(std::nearbyint(box.bottom() + 0.5))));
}

bool TdtpShape::HitTestPixels(QPoint screenPoint) const
{
    const std::vector<QPoint>& probes = ProbesOf(FDocument);
    if (!FCache.isNull()) {
        const QPointF local = ScreenToLocal(PixelCentre(screenPoint));
        const QPoint pixel(int(std::floor(local.x() * FCacheScale + FCacheOrigin.x())),
                           int(std::floor(local.y() * FCacheScale + FCacheOrigin.y())));
        if (!FCache.rect().contains(pixel))
            return true;
        const int threshold = FMasterAlpha * 50 / 255;
        for (const QPoint& offset : probes) {
            const QPoint p = pixel + offset;
            if (FCache.rect().contains(p) && qAlpha(FCache.pixel(p)) > threshold)
                return true;
        }
        return false;
    }
    const QPainterPath outline = CreateOutlineRegion();
    if (outline.isEmpty())
        return false;
    return std::any_of(probes.begin(), probes.end(), [&](const QPoint& offset) {
        return outline.contains(PixelCentre(screenPoint + offset));
    });
}

bool TdtpShape::HitTest(QPoint screenPoint) const
{
    if (!CreateBoundsRegion().containsPoint(PixelCentre(screenPoint), Qt::OddEvenFill))
        return false;
    return HitTestPixels(screenPoint);
}

bool TdtpShape::HitTestDeep(QPoint screenPoint, TdtpShape*& shape)
{
    if (!CreateBoundsRegion().containsPoint(PixelCentre(screenPoint), Qt::OddEvenFill))
        return false;
    for (int i = int(FChildren.size()) - 1; i >= 0; --i) {
        TdtpShape* child = FChildren[size_t(i)].get();
        if (child->Visible() && child->HitTestDeep(screenPoint, shape))
            return true;
    }
    if (!FCache.isNull() && !HitTestPixels(screenPoint))
        return false;
    shape = this;
    return true;
}

}  // namespace tessaly::document
