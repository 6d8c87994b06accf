// The render pipeline: a shape tree into a 32-bit bitmap, directly or through the shape's cache.
#include "document/core/Shape.h"

#include "document/core/CacheSampler.h"
#include "document/core/Document.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tessaly::document {
namespace {

// Largest cache the pipeline builds; a bigger one is rendered at a lower resolution instead.
constexpr double kMaxCachePixels = 64.0 * 1024 * 1024;

QRectF LocalAreaOf(const TdtpShape& shape, const QRectF& areaMm, bool isRoot)
{
    if (isRoot)
        return areaMm;
    const QPointF corners[4] = {shape.ParentToLocal(areaMm.topLeft()), shape.ParentToLocal(areaMm.topRight()),
                                shape.ParentToLocal(areaMm.bottomRight()), shape.ParentToLocal(areaMm.bottomLeft())};
    double x0 = corners[0].x(), x1 = x0, y0 = corners[0].y(), y1 = y0;
    for (const QPointF& p : corners) {
        x0 = std::min(x0, p.x()); x1 = std::max(x1, p.x());
        y0 = std::min(y0, p.y()); y1 = std::max(y1, p.y());
    }
    return QRectF(QPointF(x0, y0), QPointF(x1, y1));
}

// Paints one shape and its visible children into `bitmap`, which shows `localArea` (the shape's own mm).
void PaintTree(TdtpShape& shape, QImage& bitmap, const QRectF& localArea, const TDeviceContext& dc)
{
    TdtpTransform toPixels;
    toPixels.Translate(-localArea.left(), -localArea.top());
    toPixels.Scale(bitmap.width() / localArea.width(), bitmap.height() / localArea.height());
    shape.SetRenderTransform(toPixels);
    shape.PaintBitmap(bitmap, dc);
    if (shape.PaintsWithCanvas()) {
        QPainter canvas(&bitmap);
        canvas.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
        canvas.setTransform(toPixels.ToQTransform());
        shape.PaintCanvas(canvas, dc);
    }
    for (int i = 0; i < shape.ChildCount(); ++i) {
        TdtpShape* child = shape.GetChild(i);
        if (child->Visible())
            RenderShape(*child, bitmap, localArea, false, dc);
    }
    shape.PaintAfterChildren(bitmap, dc);
    if (dc.Device == TDeviceType::dtScreen)
        shape.PaintDecorations(bitmap, bitmap.rect());
}

}  // namespace

void RenderShape(TdtpShape& shape, QImage& bitmap, const QRectF& areaMm, bool isRoot, const TDeviceContext& dc)
{
    if (bitmap.isNull() || !(areaMm.width() > 0) || !(areaMm.height() > 0))
        return;
    QRectF drawn;
    if (isRoot) {
        float l, t, r, b;
        shape.GetEffectiveCurbs(l, t, r, b);
        drawn = QRectF(QPointF(-l, -t), QPointF(shape.DocWidth() + r, shape.DocHeight() + b));
    } else {
        drawn = shape.DrawingBox();
    }
    if (!drawn.intersects(areaMm))
        return;
    if (shape.UsesCache())
        shape.RenderCached(bitmap, areaMm, isRoot, dc);
    else
        shape.RenderDirect(bitmap, areaMm, isRoot, dc);
}

bool TdtpShape::UsesCache() const
{
    return FCacheAlways || FDocAngle != 0 || FMasterAlpha != 255 || NeedsMirror();
}

void TdtpShape::FreeCache()
{
    FCache = QImage();
    FCacheDpm = 0;
}

void TdtpShape::FreeCaches()
{
    FreeCache();
    for (auto& child : FChildren)
        child->FreeCaches();
}

void TdtpShape::RenderDirect(QImage& bitmap, const QRectF& areaMm, bool isRoot, const TDeviceContext& dc)
{
    FreeCache();
    PaintTree(*this, bitmap, LocalAreaOf(*this, areaMm, isRoot), dc);
}

bool TdtpShape::CacheValidFor(const TDeviceContext& dc) const
{
    if (FCache.isNull() || FCacheDpm <= 0 || dc.RenderDpm > FCacheDpm)
        return false;
    return !dc.ExactCache || dc.RenderDpm >= FCacheDpm;
}

void TdtpShape::RebuildCache(const TDeviceContext& dc)
{
    FreeCache();
    float l, t, r, b;
    GetEffectiveCurbs(l, t, r, b);
    double dpm = dc.RenderDpm;
    const double spanX = double(l) + FDocWidth + r, spanY = double(t) + FDocHeight + b;
    if (!(dpm > 0) || !std::isfinite(spanX * spanY) || !(spanX > 0) || !(spanY > 0))
        return;
    if (spanX * spanY * dpm * dpm > kMaxCachePixels)
        dpm = std::sqrt(kMaxCachePixels / (spanX * spanY));
    const int ox = int(std::ceil(l * dpm)), oy = int(std::ceil(t * dpm));
    const int width = ox + int(std::ceil((FDocWidth + r) * dpm));
    const int height = oy + int(std::ceil((FDocHeight + b) * dpm));
    if (width <= 0 || height <= 0)
        return;
    FCache = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
    if (FCache.isNull())
        return;  // out of memory: the shape is not drawn
    FCache.fill(qPremultiply(dc.BackColor));
    TDeviceContext cacheDc = dc;
    cacheDc.DeviceDpm = float(dpm);
    const QRectF localArea(-ox / dpm, -oy / dpm, width / dpm, height / dpm);
    PaintTree(*this, FCache, localArea, cacheDc);
    PostProcess(FCache, cacheDc);
    FCacheOrigin = QPoint(ox, oy);
    FCacheDpm = float(dc.RenderDpm);  // the wanted resolution is what the cache stands for
    FCacheScale = dpm;
}

void TdtpShape::RenderCached(QImage& bitmap, const QRectF& areaMm, bool isRoot, const TDeviceContext& dc)
{
    if (!CacheValidFor(dc))
        RebuildCache(dc);
    if (FCache.isNull())
        return;
    FCacheMasterAlpha = FMasterAlpha;
    // cache pixel -> local mm -> parent mm (non-root) -> target pixels
    QTransform toLocal(1 / FCacheScale, 0, 0, 1 / FCacheScale, -FCacheOrigin.x() / FCacheScale,
                       -FCacheOrigin.y() / FCacheScale);
    QTransform toParent;
    if (!isRoot)
        toParent = QTransform(FCos, -FSin, FSin, FCos, FDocLeft, FDocTop);
    const QTransform toTarget(bitmap.width() / areaMm.width(), 0, 0, bitmap.height() / areaMm.height(),
                              -areaMm.left() * bitmap.width() / areaMm.width(),
                              -areaMm.top() * bitmap.height() / areaMm.height());
    const QTransform chain = toLocal * toParent * toTarget;
    DrawCacheTransformed(bitmap, FCache, chain, FCacheMasterAlpha, qPremultiply(dc.BackColor));
    if (dc.DropCaches)
        FreeCache();
}

void TdtpShape::PostProcess(QImage& bitmap, const TDeviceContext& dc)
{
    if (FMirrored || FFlipped)
        bitmap.mirror(FMirrored, FFlipped);
}

QPointF TdtpShape::LocalToPixel(QPointF p) const { return FRenderTransform.Transform(p); }

int TdtpShape::PixelLeft() const { return int(std::lround(FRenderTransform.TransformX(0))); }

int TdtpShape::PixelRight() const { return int(std::lround(FRenderTransform.TransformX(FDocWidth))); }

int TdtpShape::PixelTop() const { return int(std::lround(FRenderTransform.TransformY(0))); }

int TdtpShape::PixelBottom() const { return int(std::lround(FRenderTransform.TransformY(FDocHeight))); }

}  // namespace tessaly::document
