// Printing pages onto a QPrinter: one job, a printer page per document page, each page fitted to
// the paper with the paper corner at (0, 0) and turned a quarter when it fills the paper better so.
#include "document/shapes/DocumentPainter.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace tessaly::document {
namespace {

void Progress(TdtpDocument& document, int count, int total, float percent)
{
    if (document.OnProgress)
        document.OnProgress(&document, TdtpProgressType::ptPrint, count, total, percent);
}

// The whole paper in the painter's device pixels: the printable area's origin is (0, 0), so the
// paper corner lies at minus the physical offsets.
QRect PaperTarget(QPrinter& printer)
{
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF printable = printer.pageRect(QPrinter::DevicePixel);
    const QPointF corner = paper.topLeft() - printable.topLeft();
    return QRectF(corner, paper.size()).toRect();
}

}  // namespace

int AutomaticQuarterTurns(QSizeF pageSize, QSizeF target)
{
    const double pw = pageSize.width(), ph = pageSize.height();
    const double turned = std::min(target.width() / ph, target.height() / pw);
    const double upright = std::min(target.height() / ph, target.width() / pw);
    return turned > upright ? 1 : 0;
}

void PrintPages(TdtpDocument& document, QPrinter& printer, const std::vector<int>& indexes, bool optimizedPrinting)
{
    if (document.IsPrinting())
        throw DocumentError("Threading error (working already)");
    document.CheckNotBusy();
    const int count = int(indexes.size());
    Progress(document, 0, count, 0);
    QPainter painter;
    if (!painter.begin(&printer))
        throw DocumentError("Unable to start the print job");
    bool first = true;
    for (int i = 0; i < count; ++i) {
        TdtpPage* page = document.Pages(indexes[size_t(i)]);
        if (!page)
            continue;
        if (!first)
            printer.newPage();
        first = false;
        const QRect target = PaperTarget(printer);
        TdtpPaintOptions options;
        options.QuarterTurns = AutomaticQuarterTurns(QSizeF(page->DocWidth(), page->DocHeight()), target.size());
        options.Dpm = document.PrinterDpm();
        options.OptimizedPrinting = optimizedPrinting;
        PaintToCanvas(document, indexes[size_t(i)], painter, target, options);
        Progress(document, i + 1, count, float(i) / float(count));
    }
    painter.end();
    Progress(document, count, count, 100);
}

void PrintAll(TdtpDocument& document, QPrinter& printer, bool optimizedPrinting)
{
    std::vector<int> indexes(size_t(document.PageCount()));
    for (int i = 0; i < document.PageCount(); ++i)
        indexes[size_t(i)] = i;
    PrintPages(document, printer, indexes, optimizedPrinting);
}

}  // namespace tessaly::document
