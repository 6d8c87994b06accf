// The vector walk of a shape tree, with the bitmap pipeline as the fallback for shapes that have
// no vector form (effects, transparency, mirroring, pictures).
#include "document/core/VectorRender.h"

#include <QPainter>

#include <cmath>

namespace tessaly::document {
namespace {

// Largest bitmap a fallback shape is rendered into; a bigger one gets a lower resolution.
constexpr double kMaxFallbackPixels = 64.0 * 1024 * 1024;

bool DrawsAsVector(const TdtpShape& shape)
{
    return shape.PaintsVector() && shape.MasterAlpha() == 255 && !shape.NeedsMirror();
}

// Upright and unmirrored: the shape's pixels can be the device's own, so bars and module edges
// fall on whole device pixels exactly as in the bitmap pipeline.
bool IsUpright(const QTransform& t)
{
    return t.type() <= QTransform::TxScale && t.m11() > 0 && t.m22() > 0;
}

void PaintOwnVector(TdtpShape& shape, QPainter& canvas, const QTransform& localToDevice, const TDeviceContext& dc)
{
    TDeviceContext own = dc;
    TdtpTransform toPixels;
    if (IsUpright(localToDevice)) {
        toPixels = TdtpTransform::FromQTransform(localToDevice);
        own.PixelToDevice = QTransform();
    } else {
        toPixels.Scale(dc.DeviceDpm, dc.DeviceDpm);
        own.PixelToDevice = QTransform::fromScale(1.0 / dc.DeviceDpm, 1.0 / dc.DeviceDpm) * localToDevice;
    }
    shape.SetRenderTransform(toPixels);
    canvas.save();
    canvas.setTransform(own.PixelToDevice);
    shape.PaintVector(canvas, own);
    canvas.restore();
}

// The shape with its children rendered by the bitmap pipeline into an image of its drawing box
// (parent millimetres) and drawn there.
void PaintThroughBitmap(TdtpShape& shape, QPainter& canvas, const QTransform& parentToDevice, const TDeviceContext& dc)
{
    const QRectF box = shape.DrawingBox();
    double dpm = dc.DeviceDpm;
    if (!(box.width() > 0) || !(box.height() > 0) || !(dpm > 0))
        return;
    if (box.width() * box.height() * dpm * dpm > kMaxFallbackPixels)
        dpm = std::sqrt(kMaxFallbackPixels / (box.width() * box.height()));
    const int width = int(std::ceil(box.width() * dpm)), height = int(std::ceil(box.height() * dpm));
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return;
    image.fill(0);
    const QRectF area(box.topLeft(), QSizeF(width / dpm, height / dpm));
    TDeviceContext bitmapDc = dc;
    bitmapDc.DeviceDpm = float(dpm);
    bitmapDc.PixelToDevice = QTransform();
    RenderShape(shape, image, area, false, bitmapDc);
    canvas.save();
    canvas.setTransform(QTransform::fromScale(1 / dpm, 1 / dpm) * QTransform::fromTranslate(area.left(), area.top()) *
                        parentToDevice);
    canvas.setRenderHint(QPainter::SmoothPixmapTransform);
    canvas.drawImage(QPointF(0, 0), image);
    canvas.restore();
}

void RenderTree(TdtpShape& shape, QPainter& canvas, const QTransform& localToDevice, const TDeviceContext& dc)
{
    PaintOwnVector(shape, canvas, localToDevice, dc);
    for (int i = 0; i < shape.ChildCount(); ++i) {
        TdtpShape& child = *shape.GetChild(i);
        if (!child.Visible())
            continue;
        if (DrawsAsVector(child))
            RenderTree(child, canvas, child.LocalToParentTransform() * localToDevice, dc);
        else
            PaintThroughBitmap(child, canvas, localToDevice, dc);
    }
}

}  // namespace

bool RenderVector(TdtpShape& root, QPainter& canvas, const QTransform& rootToDevice, const TDeviceContext& dc)
{
    if (!DrawsAsVector(root) || !(dc.DeviceDpm > 0))
        return false;
    const QTransform base = canvas.worldTransform();
    RenderTree(root, canvas, rootToDevice * base, dc);
    return true;
}

}  // namespace tessaly::document
