// Painting of text spans: each span's text is fitted into its box pixel by pixel, drawn in white
// and recoloured so that the white level becomes the alpha of the font colour.
#include "document/shapes/TextBaseShape.h"

#include "document/shapes/TextFonts.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tessaly::document {
namespace {

// Font cell heights beyond this are not drawn (the box is then far larger than any target).
constexpr int kMaxCellPixels = 100000;

// The cell height at which `text` fits `box`: shrunk while it overflows, grown while it is smaller
// in both directions, then one pixel back (the result of fitting pixel by pixel from the font height).
int FitCellHeight(const QFont& base, const QString& text, int cell, QSizeF box)
{
    const auto extent = [&](int pixels) { return PixelExtent(WithCellPixels(base, pixels), text); };
    const auto overflows = [&](QSize e) { return e.width() > box.width() || e.height() > box.height(); };
    QSize e = extent(cell);
    // Jump close to the answer first: extents grow about linearly with the cell height.
    const double ratio = std::min(box.width() / std::max(1, e.width()), box.height() / std::max(1, e.height()));
    if (ratio < 0.9 || ratio > 1.1) {
        cell = int(std::clamp(cell * ratio, 0.0, double(kMaxCellPixels)));
        if (cell <= 0)
            return 0;
        e = extent(cell);
    }
    if (overflows(e)) {
        while (cell > 0 && overflows(e))
            if (--cell > 0) e = extent(cell);
        return cell;
    }
    while (cell < kMaxCellPixels && !overflows(e) && e.width() < box.width() && e.height() < box.height())
        e = extent(++cell);
    if (overflows(e))
        --cell;
    return cell;
}

// White drawn text to the font colour: the lowest colour byte becomes the alpha.
void Recolour(QImage& layer, TColor fontColor)
{
    const QRgb rgb = ColorToRgb(fontColor, 0) & 0xFFFFFF;
    for (int y = 0; y < layer.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x)
            line[x] = line[x] ? qPremultiply((line[x] << 24) | rgb) : 0;
    }
}

// Millimetres from the box's left edge to the drawn text, `leftover` pixels being unused in the box.
double AlignOffset(int alignment, double leftover, double dpm)
{
    if (alignment == taRight) return leftover / dpm;
    if (alignment == taCenter) return leftover / dpm / 2;
    return 0;
}

}  // namespace

std::vector<float> TdtpTextBaseShape::MeasureSpanChars(const TdtpTextSpan& span, float dpm) const
{
    std::vector<float> edges(size_t(std::max(0, span.CharCount)) + 1, span.X);
    const QString text = span.Text();
    const double cellStart = std::round(double(GetFontHeight()) * dpm);
    if (text.isEmpty() || !(dpm > 0) || !(cellStart >= 1))
        return edges;
    const QFont base = PrepareDrawFont(dpm);
    const QSizeF box(double(span.Width) * dpm, double(span.Height) * dpm);
    const int cell = FitCellHeight(base, text, int(std::min<double>(cellStart, kMaxCellPixels)), box);
    if (cell <= 0)
        return edges;
    const QFont font = WithCellPixels(base, cell);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text);
    const double offset = AlignOffset(FAlignment, box.width() - width, dpm);
    for (int i = 0; i <= text.size(); ++i)
        edges[size_t(i)] = float(span.X + offset + metrics.horizontalAdvance(text.left(i)) / double(dpm));
    return edges;
}

void TdtpTextBaseShape::UpdateCharPositions(float dpm)
{
    const int length = int(FText.size());
    FCharPositions.assign(size_t(length) + 1, QPointF());
    FCharSpans.assign(size_t(length) + 1, -1);
    for (int s = 0; s < SpanCount(); ++s) {
        const TdtpTextSpan& span = *FSpans[size_t(s)];
        const std::vector<float> edges = MeasureSpanChars(span, dpm);
        for (int i = 0; i <= span.CharCount; ++i) {
            const int index = span.CharPos - 1 + i;
            if (index < 0 || index > length)
                continue;
            FCharPositions[size_t(index)] = QPointF(edges[size_t(i)], span.Y);
            FCharSpans[size_t(index)] = s;
        }
    }
}

void TdtpTextBaseShape::DrawSpans(QPainter& painter, float dpm)
{
    const double cellStart = std::round(double(GetFontHeight()) * dpm);
    if (!(dpm > 0) || !(cellStart >= 1))
        return;
    const QFont base = PrepareDrawFont(dpm);
    const int startCell = int(std::min<double>(cellStart, kMaxCellPixels));
    for (const auto& span : FSpans) {
        const QString text = span->Text();
        if (text.isEmpty())
            continue;
        const QSizeF box(double(span->Width) * dpm, double(span->Height) * dpm);
        const int cell = FitCellHeight(base, text, startCell, box);
        if (cell <= 0)
            continue;
        const QFont font = WithCellPixels(base, cell);
        const QSize extent = PixelExtent(font, text);
        const double offset = AlignOffset(FAlignment, box.width() - extent.width(), dpm);
        const QPointF a = LocalToPixel({span->X + offset, span->Y});
        const QPointF b = LocalToPixel({span->X + offset + span->Width, span->Y + span->Height});
        painter.setFont(font);
        painter.drawText(QRectF(a, b).normalized(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    }
}

void TdtpTextBaseShape::PaintSpans(QImage& bitmap, const TDeviceContext& dc)
{
    if (!(dc.DeviceDpm > 0) || FSpans.empty())
        return;
    // Text is drawn into a layer over the shape's part of the bitmap, then blended, so that a shape
    // drawn directly onto a page leaves the pixels around its letters alone.
    const QRectF shapePixels(LocalToPixel({-CurbLeft(), -CurbTop()}),
                             LocalToPixel({DocWidth() + CurbRight(), DocHeight() + CurbBottom()}));
    const QRect area = shapePixels.normalized().toAlignedRect().intersected(bitmap.rect());
    if (area.isEmpty())
        return;
    QImage layer(area.size(), QImage::Format_ARGB32_Premultiplied);
    if (layer.isNull())
        return;
    layer.fill(0);
    QPainter painter(&layer);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::white);
    painter.translate(-area.topLeft());
    DrawSpans(painter, dc.DeviceDpm);
    painter.end();
    Recolour(layer, GetFontColor());
    QPainter target(&bitmap);
    target.drawImage(area.topLeft(), layer);
}

void TdtpTextBaseShape::PaintSpansVector(QPainter& canvas, const TDeviceContext& dc)
{
    if (FSpans.empty())
        return;
    canvas.save();
    canvas.setRenderHint(QPainter::TextAntialiasing);
    canvas.setPen(QColor::fromRgb(ColorToRgb(GetFontColor())));
    DrawSpans(canvas, dc.DeviceDpm);
    canvas.restore();
}

}  // namespace tessaly::document
