// Rendering a page area: the paper, the screen helpers (pattern, grid, dots, margins, frame and
// shadow) under the shapes, then the shapes of the page.
#include "document/shapes/DocumentPainter.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tessaly::document {
namespace {

// Grid lines or dots closer than this many pixels are not drawn (they would only fill the paper).
constexpr double kMinGridPixels = 2.0;

void PaintPattern(QPainter& painter, const QRectF& paper)
{
    const QRect clip = paper.toAlignedRect();
    painter.save();
    painter.setClipRect(paper);
    const QColor dark = QColor::fromRgba(0xFFB0B0B0);  // the square at the page corner is white
    painter.fillRect(clip, Qt::white);
    const int left = int(std::floor(paper.left())), top = int(std::floor(paper.top()));
    for (int y = top; y < clip.bottom() + 1; y += 8)
        for (int x = left + (1 - ((y - top) / 8) % 2) * 8; x < clip.right() + 1; x += 16)
            painter.fillRect(QRect(x, y, 8, 8), dark);
    painter.restore();
}

// Interior grid positions k × step for k = 1 … trunc(length / step) - 1 that fall inside [from, to].
template <class Visit>
void ForGridSteps(double step, double length, double from, double to, Visit visit)
{
    const double count = std::trunc(length / step) - 1;
    const double first = std::max(1.0, std::ceil(from / step));
    const double last = std::min(count, std::floor(to / step));
    for (double k = first; k <= last; ++k)
        visit(k * step);
}

void PaintGrid(QPainter& painter, const TdtpPage& page, const QTransform& toPixels, const QRectF& areaMm, bool dots)
{
    const double step = page.GridSize();
    const double w = page.DocWidth(), h = page.DocHeight();
    if (!(step > 0) || step * toPixels.m11() < kMinGridPixels)
        return;
    const QColor colour = QColor::fromRgb(ColorToRgb(page.GridColor()));
    const QRectF paper = toPixels.mapRect(QRectF(0, 0, w, h));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, 0));
    if (dots) {
        ForGridSteps(step, h, areaMm.top(), areaMm.bottom(), [&](double y) {
            ForGridSteps(step, w, areaMm.left(), areaMm.right(), [&](double x) {
                const QPointF p = toPixels.map(QPointF(x, y));
                painter.drawPoint(QPoint(int(std::floor(p.x())), int(std::floor(p.y()))));
            });
        });
    } else {
        const int top = int(std::round(paper.top())) + 1, bottom = int(std::round(paper.bottom())) - 2;
        const int left = int(std::round(paper.left())) + 1, right = int(std::round(paper.right())) - 2;
        ForGridSteps(step, w, areaMm.left(), areaMm.right(), [&](double x) {
            const int px = int(std::floor(toPixels.map(QPointF(x, 0)).x()));
            painter.drawLine(px, top, px, bottom);
        });
        ForGridSteps(step, h, areaMm.top(), areaMm.bottom(), [&](double y) {
            const int py = int(std::floor(toPixels.map(QPointF(0, y)).y()));
            painter.drawLine(left, py, right, py);
        });
    }
    painter.restore();
}

void PaintMargins(QPainter& painter, const TdtpPage& page, const QTransform& toPixels)
{
    const QRectF margins(QPointF(page.MarginLeft(), page.MarginTop()),
                         QPointF(page.DocWidth() - page.MarginRight(), page.DocHeight() - page.MarginBottom()));
    const QRect r = toPixels.mapRect(margins).toRect();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::white, 0));
    painter.drawRect(r);
    QPen dotted(Qt::black, 0, Qt::CustomDashLine);
    dotted.setDashPattern({1, 1});
    painter.setPen(dotted);
    painter.drawRect(r);
    painter.restore();
}

void PaintFrameAndShadow(QPainter& painter, const TdtpPage& page, const QTransform& toPixels)
{
    const QRect paper = toPixels.mapRect(QRectF(0, 0, page.DocWidth(), page.DocHeight())).toRect();
    const QPointF shadowEnd = toPixels.map(QPointF(page.DocWidth() + 1, page.DocHeight() + 1));
    const int sx = int(std::round(shadowEnd.x())), sy = int(std::round(shadowEnd.y()));
    const int depthX = sx - paper.right() - 1, depthY = sy - paper.bottom() - 1;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(paper.right() + 1, paper.top() + depthY, depthX, paper.height()), Qt::black);
    painter.fillRect(QRect(paper.left() + depthX, paper.bottom() + 1, paper.width(), depthY), Qt::black);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(paper.adjusted(-1, -1, 0, 0));
    painter.restore();
}

}  // namespace

void RenderPageArea(TdtpPage& page, QImage& bitmap, const QRectF& areaMm, const TDeviceContext& dc,
                    const TdtpScreenHelpers* helpers)
{
    if (bitmap.isNull() || !(areaMm.width() > 0) || !(areaMm.height() > 0))
        return;
    if (dc.Device != TDeviceType::dtScreen || !helpers) {
        RenderShape(page, bitmap, areaMm, true, dc);
        return;
    }
    TdtpTransform toPixels;
    toPixels.Translate(-areaMm.left(), -areaMm.top());
    toPixels.Scale(bitmap.width() / areaMm.width(), bitmap.height() / areaMm.height());
    page.SetRenderTransform(toPixels);
    const QTransform matrix = toPixels.ToQTransform();
    const QRectF paper = matrix.mapRect(QRectF(0, 0, page.DocWidth(), page.DocHeight()));
    {
        QPainter painter(&bitmap);
        if (helpers->HelperMethod == TdtpHelperMethodType::hmPattern)
            PaintPattern(painter, paper);
        else
            painter.fillRect(paper, QColor::fromRgb(ColorToRgb(page.PageColor())));
        if (TdtpDocument* document = page.Document(); document && document->OnPaintBackground) {
            painter.save();
            painter.setTransform(matrix);
            document->OnPaintBackground(document, painter, dc);
            painter.restore();
        }
        if (helpers->HelperMethod == TdtpHelperMethodType::hmGrid || helpers->HelperMethod == TdtpHelperMethodType::hmDots)
            PaintGrid(painter, page, matrix, areaMm, helpers->HelperMethod == TdtpHelperMethodType::hmDots);
        if (helpers->ShowMargins)
            PaintMargins(painter, page, matrix);
        if (helpers->FrameAndShadow && !page.Parent())
            PaintFrameAndShadow(painter, page, matrix);
    }
    for (int i = 0; i < page.ChildCount(); ++i) {
        TdtpShape* child = page.GetChild(i);
        if (child->Visible())
            RenderShape(*child, bitmap, areaMm, false, dc);
    }
    page.SetRenderTransform(toPixels);
    page.PaintAfterChildren(bitmap, dc);
    page.PaintDecorations(bitmap, bitmap.rect());
}

}  // namespace tessaly::document
