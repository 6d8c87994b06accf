// Page thumbnails: the page rendered at the document's render resolution, reduced with the box
// filter into the thumbnail and framed.
#include "document/shapes/DocumentPainter.h"

#include "document/raster/BoxReduce.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tessaly::document {

QImage RenderThumbnail(TdtpDocument& document, int index)
{
    TdtpPage* page = document.Pages(index);
    const int tw = document.ThumbnailWidth(), th = document.ThumbnailHeight();
    if (!page || tw <= 2 || th <= 2 || tw > 4096 || th > 4096)
        return {};
    QImage thumbnail(tw, th, QImage::Format_ARGB32_Premultiplied);
    thumbnail.fill(ColorToRgb(document.Color()));
    const QRect inner(1, 1, tw - 2, th - 2);
    const double w = page->DocWidth(), h = page->DocHeight();
    if (w > 0 && h > 0) {
        const double scale = std::min(inner.width() / w, inner.height() / h);
        const QSize fitted(std::max(1, int(std::lround(w * scale))), std::max(1, int(std::lround(h * scale))));
        const QRect place(inner.left() + (inner.width() - fitted.width()) / 2,
                          inner.top() + (inner.height() - fitted.height()) / 2, fitted.width(), fitted.height());
        const QImage rendered = document.RenderPageImage(index, document.RenderDpm(), TDeviceType::dtPrinter,
                                                         std::min(document.RenderDpm(), kDpm150));
        if (!rendered.isNull()) {
            if (qint64(fitted.width()) * fitted.height() < qint64(rendered.width()) * rendered.height()
                && fitted.width() <= rendered.width() && fitted.height() <= rendered.height()) {
                BoxReduce(thumbnail, place, rendered, rendered.rect());
            } else {
                QPainter painter(&thumbnail);
                painter.setRenderHint(QPainter::SmoothPixmapTransform);
                painter.drawImage(QRectF(place), rendered);
            }
        }
        QPainter painter(&thumbnail);
        painter.setPen(Qt::black);
        painter.drawRect(place.adjusted(-1, -1, 0, 0));
    }
    return thumbnail.convertToFormat(QImage::Format_RGB888);
}

}  // namespace tessaly::document
