// PaintToCanvas: a whole page rendered tile by tile at a resolution of its own and transferred,
// turned and flipped, to its fitted and centred place on any QPainter.
#include "document/shapes/DocumentPainter.h"

#include "document/core/VectorRender.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tessaly::document {
namespace {

// Raises the printing counter for a scope (nothing is painted on screen meanwhile).
class PrintingScope {
public:
    explicit PrintingScope(TdtpDocument& document) : FDocument(document) { FDocument.BeginPrinting(); }
    ~PrintingScope() { FDocument.EndPrinting(); }
    PrintingScope(const PrintingScope&) = delete;
    PrintingScope& operator=(const PrintingScope&) = delete;

private:
    TdtpDocument& FDocument;
};

void SplitTile(const QRect& tile, std::vector<QRect>& tiles)
{
    if (qint64(tile.width()) * tile.height() <= kMaxTilePixels) {
        tiles.push_back(tile);
        return;
    }
    if (tile.width() >= tile.height()) {
        const int half = tile.width() / 2;
        SplitTile(QRect(tile.left(), tile.top(), half, tile.height()), tiles);
        SplitTile(QRect(tile.left() + half, tile.top(), tile.width() - half, tile.height()), tiles);
    } else {
        const int half = tile.height() / 2;
        SplitTile(QRect(tile.left(), tile.top(), tile.width(), half), tiles);
        SplitTile(QRect(tile.left(), tile.top() + half, tile.width(), tile.height() - half), tiles);
    }
}

// A rectangle of the unturned page area (size `w` × `h`) in the turned and flipped frame.
QRectF TurnRect(const QRectF& r, double w, double h, const TdtpPaintOptions& options)
{
    QRectF out = r;
    double frameW = w, frameH = h;
    switch (options.QuarterTurns & 3) {
    case 1: out = QRectF(r.top(), w - r.right(), r.height(), r.width()); frameW = h; frameH = w; break;
    case 2: out = QRectF(w - r.right(), h - r.bottom(), r.width(), r.height()); break;
    case 3: out = QRectF(h - r.bottom(), r.left(), r.height(), r.width()); frameW = h; frameH = w; break;
    default: break;
    }
    if (options.FlipHorizontal)
        out.moveLeft(frameW - out.right());
    if (options.FlipVertical)
        out.moveTop(frameH - out.bottom());
    return out;
}

QImage TurnImage(const QImage& tile, const TdtpPaintOptions& options)
{
    QImage out = tile;
    switch (options.QuarterTurns & 3) {
    case 1: out = tile.transformed(QTransform().rotate(-90)); break;
    case 2: out = tile.transformed(QTransform().rotate(180)); break;
    case 3: out = tile.transformed(QTransform().rotate(90)); break;
    default: break;
    }
    if (options.FlipHorizontal || options.FlipVertical)
        out = out.mirrored(options.FlipHorizontal, options.FlipVertical);
    return out;
}

bool OnlyColour(const QImage& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (!std::all_of(line, line + image.width(), [colour](QRgb p) { return p == colour; }))
            return false;
    }
    return true;
}

}  // namespace

std::vector<QRect> PageTiles(int width, int height)
{
    std::vector<QRect> tiles;
    if (width > 0 && height > 0)
        SplitTile(QRect(0, 0, width, height), tiles);
    return tiles;
}

QRect PagePlacement(const TdtpPage& page, const QRect& destRect, int quarterTurns)
{
    const double pw = page.DocWidth(), ph = page.DocHeight();
    const bool turned = quarterTurns & 1;
    const double dw = turned ? destRect.height() : destRect.width();
    const double dh = turned ? destRect.width() : destRect.height();
    const double scale = std::min(dh / ph, dw / pw);
    if (!(pw > 0) || !(ph > 0) || !(scale > 0) || !std::isfinite(scale))
        return {};
    const int fittedW = int(std::lround(pw * scale)), fittedH = int(std::lround(ph * scale));
    const int w = turned ? fittedH : fittedW, h = turned ? fittedW : fittedH;
    return {destRect.left() + (destRect.width() - w) / 2, destRect.top() + (destRect.height() - h) / 2, w, h};
}

bool PaintToCanvas(TdtpDocument& document, int pageIndex, QPainter& canvas, const QRect& destRect,
                   const TdtpPaintOptions& options)
{
    TdtpPage* page = document.Pages(pageIndex);
    if (!page)
        return false;
    page->EnsureLoaded();
    const PrintingScope printing(document);
    const QRect placement = PagePlacement(*page, destRect, options.QuarterTurns);
    if (placement.isEmpty())
        return false;
    const bool turned = options.QuarterTurns & 1;
    const double pw = page->DocWidth(), ph = page->DocHeight();
    const double fittedW = turned ? placement.height() : placement.width();
    const double fittedH = turned ? placement.width() : placement.height();
    const double dpm = options.Dpm > 0 ? options.Dpm : std::min(fittedW / pw, fittedH / ph);
    const double imageW = std::round(dpm * pw), imageH = std::round(dpm * ph);
    if (!(imageW >= 1 && imageH >= 1 && imageW * imageH < 4.0e9))
        return false;
    TDeviceContext dc = document.PrintContext(float(dpm));
    dc.BackColor = ColorToRgb(page->PageColor(), 0);
    const QRgb paper = ColorToRgb(page->PageColor());
    const double sx = fittedW / imageW, sy = fittedH / imageH;
    canvas.save();
    canvas.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const QRect& tile : PageTiles(int(imageW), int(imageH))) {
        QImage image(tile.size(), QImage::Format_ARGB32_Premultiplied);
        if (image.isNull())
            continue;
        image.fill(0);
        const QRectF areaMm(tile.left() / dpm, tile.top() / dpm, tile.width() / dpm, tile.height() / dpm);
        RenderPageArea(*page, image, areaMm, dc);
        if (!(options.OptimizedPrinting && OnlyColour(image, paper))) {
            const QRectF scaled(tile.left() * sx, tile.top() * sy, tile.width() * sx, tile.height() * sy);
            const QRectF target = TurnRect(scaled, fittedW, fittedH, options).translated(placement.topLeft());
            canvas.drawImage(target, TurnImage(image, options));
        }
        if (options.OnTile)
            options.OnTile();
    }
    canvas.restore();
    if (document.Performance() == TdtpDocPerformanceType::dpMemoryOverSpeed)
        page->FreeCaches();
    return true;
}

bool PaintPageVector(TdtpDocument& document, int pageIndex, QPainter& canvas, QPointF origin, float dpm)
{
    TdtpPage* page = document.Pages(pageIndex);
    if (!page || !(dpm > 0))
        return false;
    page->EnsureLoaded();
    const PrintingScope printing(document);
    TDeviceContext dc = document.PrintContext(dpm);
    dc.BackColor = ColorToRgb(page->PageColor(), 0);
    canvas.save();
    canvas.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QTransform pageToDevice = QTransform::fromScale(dpm, dpm) * QTransform::fromTranslate(origin.x(), origin.y());
    const bool drawn = RenderVector(*page, canvas, pageToDevice, dc);
    canvas.restore();
    if (document.Performance() == TdtpDocPerformanceType::dpMemoryOverSpeed)
        page->FreeCaches();
    return drawn;
}

bool PaintToCanvas150(TdtpDocument& document, int pageIndex, QPainter& canvas, const QRect& destRect,
                      TdtpPaintOptions options)
{
    options.Dpm = kDpm150;
    return PaintToCanvas(document, pageIndex, canvas, destRect, options);
}

}  // namespace tessaly::document
