// Where finished sheets go: a sink receives each sheet as soon as it is full, so memory holds one
// sheet at a time. Every sink draws through DrawSheet.
#pragma once

#include "document/core/Document.h"

#include <QImage>
#include <QPdfWriter>
#include <QSizeF>
#include <QString>

#include <functional>
#include <memory>

class QPainter;
class QPrinter;

namespace tessaly::print {

// Paints the current page of `document` fitted into `targetPx` of `canvas` at `dpm` device pixels
// per millimetre. The page painter of the document's shape library plugs in here.
using SheetPainter =
    std::function<void(document::TdtpDocument& document, QPainter& canvas, const QRect& targetPx, float dpm)>;

// The one function that draws a sheet onto any QPainter. With no painter given the document's
// page painter renders it in tiles at `dpm`. Throws when the sheet cannot be painted.
void DrawSheet(document::TdtpDocument& document, QPainter& canvas, const QRect& targetPx, float dpm,
               const SheetPainter& painter = {});

// The pixel rectangle of a sheet of `sheetMm` at `dpm`, from the origin.
QRect SheetRectPx(QSizeF sheetMm, double dpm);

class SheetSink {
public:
    virtual ~SheetSink() = default;
    // The current page of `document` is the finished sheet, `sheetMm` its size in millimetres.
    // Throws std::runtime_error when the sheet cannot be output.
    virtual void PrintSheet(document::TdtpDocument& document, QSizeF sheetMm) = 0;
};

// One print job per sheet on a printer chosen beforehand (SelectPrinter, ForcePaperSize).
class PrinterSheetSink final : public SheetSink {
public:
    PrinterSheetSink(QPrinter& printer, SheetPainter painter = {});
    void PrintSheet(document::TdtpDocument& document, QSizeF sheetMm) override;

private:
    QPrinter& printer_;
    SheetPainter painter_;
};

// One PDF file, a page per sheet, each page the size of its sheet.
class PdfSheetSink final : public SheetSink {
public:
    explicit PdfSheetSink(const QString& fileName, int dpi = 300, SheetPainter painter = {});
    ~PdfSheetSink() override;
    void PrintSheet(document::TdtpDocument& document, QSizeF sheetMm) override;
    // Ends the file; also done by the destructor. Throws when the file could not be written.
    void Finish();
    int PageCount() const { return pages_; }

private:
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> canvas_;
    SheetPainter painter_;
    int dpi_;
    int pages_ = 0;
};

// An image per sheet at `dpm`, white where nothing is drawn, handed to `deliver`.
class ImageSheetSink final : public SheetSink {
public:
    using Deliver = std::function<void(const QImage& sheet, int sheetNumber)>;
    ImageSheetSink(float dpm, Deliver deliver, SheetPainter painter = {});
    void PrintSheet(document::TdtpDocument& document, QSizeF sheetMm) override;

private:
    float dpm_;
    Deliver deliver_;
    SheetPainter painter_;
    int sheets_ = 0;
};

} // namespace tessaly::print
