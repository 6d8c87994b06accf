// Reading printed sheets back: the AVERY 5160 sheet, Ghostscript rasterisation at 300 DPI, the
// pixel rectangle of a cell and ZXing-C++ decoding of one cell.
#pragma once
#define ZX_USE_UTF8 1

#include "sheet/SheetGrid.h"
#include "sheet/SheetLayout.h"

#include <ZXing/ReadBarcode.h>

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>

#include <string>

namespace tessaly::print::testing {

inline constexpr int kRasterDpi = 300;
inline constexpr double kDpm = kRasterDpi / 25.4;
inline constexpr const char* kNotDecoded = "<not decoded>";

// The text of the barcode of `format` in the image, kNotDecoded when none is read.
inline std::string Decode(const QImage& cell, ZXing::BarcodeFormat format)
{
    const QImage gray = cell.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(), ZXing::ImageFormat::Lum,
                                int(gray.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    return result.isValid() ? result.text() : std::string(kNotDecoded);
}

// "AVERY 5160": 3 x 10 labels of 66.67 x 25.4 mm on a US Letter sheet.
inline sheet::SheetLayout Avery5160()
{
    sheet::SheetLayout layout;
    layout.labelWidth = 66.67;
    layout.labelHeight = 25.4;
    layout.pageWidth = 215.9;
    layout.pageHeight = 279.4;
    layout.outerMarginX = 4.72;
    layout.outerMarginY = 12.7;
    layout.gapX = 3.19;
    return layout;
}

// Page `page` of the PDF at 300 DPI through Ghostscript, written next to the PDF's name in
// `folder`; a null image when Ghostscript fails or takes over a minute.
inline QImage RasterisePage(const QString& pdf, int page, const QString& folder)
{
    const QString png = folder + QStringLiteral("/%1-page%2.png").arg(QFileInfo(pdf).completeBaseName()).arg(page);
    QProcess gs;
    gs.start(QStringLiteral("gs"), {QStringLiteral("-q"), QStringLiteral("-dNOPAUSE"), QStringLiteral("-dBATCH"),
                                    QStringLiteral("-dSAFER"), QStringLiteral("-sDEVICE=png16m"),
                                    QStringLiteral("-r%1").arg(kRasterDpi), QStringLiteral("-dFirstPage=%1").arg(page),
                                    QStringLiteral("-dLastPage=%1").arg(page),
                                    QStringLiteral("-sOutputFile=") + png, pdf});
    if (!gs.waitForFinished(60000) || gs.exitCode() != 0)
        return {};
    return QImage(png);
}

// The cell's pixels at 300 DPI; with vertical orientation the copy stands above its origin.
inline QRect CellRectPx(const sheet::SheetGrid& grid, const sheet::GridGeometry& geometry, int cell)
{
    const sheet::CellPlacement at = grid.Placement(cell);
    const double top = geometry.verticalOrientation ? at.top - geometry.cellHeight : at.top;
    return QRect(int(at.left * kDpm), int(top * kDpm), int(geometry.cellWidth * kDpm),
                 int(geometry.cellHeight * kDpm));
}

} // namespace tessaly::print::testing
