// Rendering whole pages: page images for printing and export, and the page thumbnails (the page
// rendered at the render resolution, reduced with the box filter, framed).
#include "document/core/Document.h"

#include "document/raster/BoxReduce.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tessaly::document {
namespace {

// Largest page image rendered in one piece (a 1200 DPI A4 page is 140 million pixels).
constexpr double kMaxPagePixels = 256.0 * 1024 * 1024;

}  // namespace

QImage TdtpDocument::RenderPageImage(int index, float dpm, TDeviceType device, float cacheDpm)
{
    TdtpPage* page = Pages(index);
    if (!page || !(dpm > 0))
        return {};
    page->EnsureLoaded();
    const double width = std::round(double(page->DocWidth()) * dpm);
    const double height = std::round(double(page->DocHeight()) * dpm);
    if (!(width >= 1 && height >= 1 && width * height <= kMaxPagePixels))
        return {};
    QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(0);
    TDeviceContext dc = PrintContext(dpm);
    dc.Device = device;
    dc.BackColor = ColorToRgb(page->PageColor(), 0);
    dc.RenderDpm = cacheDpm > 0 ? cacheDpm : dpm;
    BeginPrinting();
    RenderShape(*page, image, QRectF(0, 0, width / dpm, height / dpm), true, dc);
    EndPrinting();
    return image;
}

void TdtpDocument::UpdateThumbnail(int index)
{
    TdtpPage* page = Pages(index);
    if (!page || FThumbnailWidth <= 2 || FThumbnailHeight <= 2 || FThumbnailWidth > 4096 || FThumbnailHeight > 4096)
        return;
    QImage thumbnail(FThumbnailWidth, FThumbnailHeight, QImage::Format_ARGB32_Premultiplied);
    thumbnail.fill(ColorToRgb(FColor));
    const QRect inner(1, 1, FThumbnailWidth - 2, FThumbnailHeight - 2);
    const double w = page->DocWidth(), h = page->DocHeight();
    if (w > 0 && h > 0) {
        const double scale = std::min(inner.width() / w, inner.height() / h);
        const QSize fitted(std::max(1, int(std::lround(w * scale))), std::max(1, int(std::lround(h * scale))));
        const QRect place(inner.left() + (inner.width() - fitted.width()) / 2,
                          inner.top() + (inner.height() - fitted.height()) / 2, fitted.width(), fitted.height());
        // The page at the render resolution, shape caches at most at 150 DPI.
        const QImage rendered = RenderPageImage(index, FRenderDpm, TDeviceType::dtPrinter, std::min(FRenderDpm, kDpm150));
        if (!rendered.isNull()) {
            const bool reduces = qint64(fitted.width()) * fitted.height() < qint64(rendered.width()) * rendered.height() &&
                                 fitted.width() <= rendered.width() && fitted.height() <= rendered.height();
            if (!reduces || !BoxReduce(thumbnail, place, rendered, rendered.rect())) {
                QPainter painter(&thumbnail);
                painter.setRenderHint(QPainter::SmoothPixmapTransform);
                painter.drawImage(QRectF(place), rendered);
            }
        }
        QPainter painter(&thumbnail);
        painter.setPen(Qt::black);
        painter.drawRect(place.adjusted(-1, -1, 0, 0));
    }
    page->SetThumbnail(thumbnail.convertToFormat(QImage::Format_RGB888));
    PageChanged(page);
}

QImage TdtpDocument::GetThumbnail(int index)
{
    TdtpPage* page = Pages(index);
    if (!page)
        return {};
    if (page->ThumbnailStale() && page->Loaded())
        UpdateThumbnail(index);
    return page->Thumbnail();
}

}  // namespace tessaly::document
