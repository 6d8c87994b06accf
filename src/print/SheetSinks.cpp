// The printer, PDF and image sinks, all drawing through DrawSheet.
#include "print/SheetSinks.h"

#include "document/shapes/DocumentPainter.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <cmath>
#include <stdexcept>

namespace tessaly::print {

namespace {

QPageLayout SheetPageLayout(QSizeF sheetMm)
{
    const QPageSize size(sheetMm, QPageSize::Millimeter, QStringLiteral("Sheet"), QPageSize::ExactMatch);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

} // namespace

QRect SheetRectPx(QSizeF sheetMm, double dpm)
{
    return QRect(0, 0, int(std::lround(sheetMm.width() * dpm)), int(std::lround(sheetMm.height() * dpm)));
}

void DrawSheet(document::TdtpDocument& document, QPainter& canvas, const QRect& targetPx, float dpm,
               const SheetPainter& painter)
{
    if (painter) {
        painter(document, canvas, targetPx, dpm);
        return;
    }
    // Labels go to the device as vectors: sharp bars at any printer resolution, small print jobs.
    if (document::PaintPageVector(document, document.CurrentPageIndex(), canvas, targetPx.topLeft(), dpm))
        return;
    document::TdtpPaintOptions options;
    options.Dpm = dpm;
    options.OptimizedPrinting = true;   // blank tiles of the sheet are not sent
    if (!document::PaintToCanvas(document, document.CurrentPageIndex(), canvas, targetPx, options))
        throw std::runtime_error("The sheet cannot be painted");
}

PrinterSheetSink::PrinterSheetSink(QPrinter& printer, SheetPainter painter)
    : printer_(printer), painter_(std::move(painter))
{
}

void PrinterSheetSink::PrintSheet(document::TdtpDocument& document, QSizeF sheetMm)
{
    // One job per sheet: begin, the page, end. The sheet's origin is the physical page corner,
    // as label positions are measured from the paper's edge.
    printer_.setFullPage(true);
    QPainter canvas;
    if (!canvas.begin(&printer_))
        throw std::runtime_error("The printer cannot start a print job");
    const double dpm = printer_.resolution() / 25.4;
    DrawSheet(document, canvas, SheetRectPx(sheetMm, dpm), float(dpm), painter_);
    if (!canvas.end())
        throw std::runtime_error("The print job could not be finished");
}

PdfSheetSink::PdfSheetSink(const QString& fileName, int dpi, SheetPainter painter)
    : writer_(std::make_unique<QPdfWriter>(fileName)), painter_(std::move(painter)), dpi_(dpi)
{
    writer_->setResolution(dpi_);
    writer_->setCreator(QStringLiteral("Tessaly"));
}

PdfSheetSink::~PdfSheetSink()
{
    if (canvas_ && canvas_->isActive())
        canvas_->end();
}

void PdfSheetSink::PrintSheet(document::TdtpDocument& document, QSizeF sheetMm)
{
    writer_->setPageLayout(SheetPageLayout(sheetMm));
    if (!canvas_) {
        canvas_ = std::make_unique<QPainter>();
        if (!canvas_->begin(writer_.get()))
            throw std::runtime_error("The PDF file cannot be written");
    } else if (!writer_->newPage()) {
        throw std::runtime_error("The PDF file cannot take another page");
    }
    const double dpm = dpi_ / 25.4;
    DrawSheet(document, *canvas_, SheetRectPx(sheetMm, dpm), float(dpm), painter_);
    ++pages_;
}

void PdfSheetSink::Finish()
{
    if (canvas_ && canvas_->isActive() && !canvas_->end())
        throw std::runtime_error("The PDF file could not be finished");
}

ImageSheetSink::ImageSheetSink(float dpm, Deliver deliver, SheetPainter painter)
    : dpm_(dpm), deliver_(std::move(deliver)), painter_(std::move(painter))
{
}

void ImageSheetSink::PrintSheet(document::TdtpDocument& document, QSizeF sheetMm)
{
    const QRect rect = SheetRectPx(sheetMm, dpm_);
    if (rect.isEmpty() || qint64(rect.width()) * rect.height() > (qint64(1) << 28))
        throw std::runtime_error("The sheet image would be too large");
    QImage image(rect.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter canvas(&image);
        DrawSheet(document, canvas, rect, dpm_, painter_);
    }
    deliver_(image, ++sheets_);
}

} // namespace tessaly::print
