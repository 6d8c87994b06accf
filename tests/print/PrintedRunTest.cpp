// A database run printed to PDF, rasterised by Ghostscript at 300 DPI, and every cell read back
// by ZXing-C++: the right record's value in the right cell.
#define ZX_USE_UTF8 1
#include "RecordingSink.h"

#include "labelshapes/BarcodeShape.h"
#include "print/LabelShapeHooks.h"

#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace tessaly::print {
namespace {

using testing::MemoryRows;
using testing::Row;

constexpr double kDpm = 300 / 25.4;

std::string DecodeCode128(const QImage& cell)
{
    const QImage gray = cell.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(), ZXing::ImageFormat::Lum,
                                int(gray.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::Code128);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    return result.isValid() ? result.text() : std::string("<not decoded>");
}

// An "AVERY 5160" label (66.67 x 25.4 mm) holding a Code 128 of field 1.
std::unique_ptr<document::TdtpDocument> Code128Label()
{
    auto document = std::make_unique<document::TdtpDocument>();
    document->SetPageWidth(66.67f);
    document->SetPageHeight(25.4f);
    document->SetUndoEnabled(false);
    auto shape = std::make_unique<labelshapes::TdtpBarCodeShape>();
    shape->SetInsertionDefaults();
    shape->Barcode().SetTyp(barcode::bcCode128B);
    shape->SetText(QStringLiteral("X"));
    shape->SetTextAff(QStringLiteral("[*1*]"));
    values::ValueSource source;
    source.valueType = 2;
    source.fieldNumber = 1;
    shape->SetSource(source);
    shape->SetBounds(4, 3, 58, 19);
    document->Pages(0)->AddChild(std::move(shape));
    return document;
}

sheet::SheetLayout Avery5160()
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

QImage RasterisePage(const QString& pdf, int page, const QString& folder)
{
    const QString png = folder + QStringLiteral("/page%1.png").arg(page);
    QProcess gs;
    gs.start(QStringLiteral("gs"), {QStringLiteral("-q"), QStringLiteral("-dNOPAUSE"), QStringLiteral("-dBATCH"),
                                    QStringLiteral("-dSAFER"), QStringLiteral("-sDEVICE=png16m"),
                                    QStringLiteral("-r300"), QStringLiteral("-dFirstPage=%1").arg(page),
                                    QStringLiteral("-dLastPage=%1").arg(page),
                                    QStringLiteral("-sOutputFile=") + png, pdf});
    if (!gs.waitForFinished(60000) || gs.exitCode() != 0)
        return {};
    return QImage(png);
}

// The cell's pixels at 300 DPI; with vertical orientation the copy stands above its origin.
QRect CellRectPx(const sheet::SheetGrid& grid, const sheet::GridGeometry& geometry, int cell)
{
    const sheet::CellPlacement at = grid.Placement(cell);
    const double top = geometry.verticalOrientation ? at.top - geometry.cellHeight : at.top;
    return QRect(int(at.left * kDpm), int(top * kDpm), int(geometry.cellWidth * kDpm),
                 int(geometry.cellHeight * kDpm));
}

TEST(PrintedDatabaseRun, EveryCellScansAsItsRecordInBothQualitiesAndOrientations)
{
    struct Case { bool normal; bool vertical; int start; };
    // Horizontal: 30 cells, so cells 29 and 30, then 1 and 2 on the second sheet; vertical: 28.
    for (const Case c : {Case{true, false, 29}, Case{false, false, 29}, Case{true, true, 27}, Case{false, true, 27}}) {
        const bool normal = c.normal;
        SCOPED_TRACE(std::string(normal ? "Normale" : "Fin") + (c.vertical ? " vertical" : ""));
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("run.pdf"));
        auto label = Code128Label();
        values::Tvaleurspeciale calculator;
        RunSetup setup;
        setup.labelPage = label->Pages(0);
        setup.layout = Avery5160();
        setup.layout.verticalOrientation = c.vertical;
        setup.calculator = &calculator;
        setup.hooks = LabelShapeHooks();
        setup.normalBarcodeQuality = normal;
        MemoryRows rows({{1, "TLY-0001"}, {2, "TLY-0002"}, {0, "NONE"}, {1, "TLY-0004"}});
        {
            PdfSheetSink sink(pdf);
            // Cells 29 and 30 on the first sheet, then cells 1 and 2 on the second.
            const RunResult result = PrintDatabase(setup, sink, rows, {c.start, {}});
            ASSERT_TRUE(result.Completed()) << result.error.toStdString();
            ASSERT_EQ(result.sheetsPrinted, 2);
            sink.Finish();
        }
        const sheet::GridGeometry geometry = sheet::GeometryOf(setup.layout);
        const sheet::SheetGrid grid(geometry);
        ASSERT_EQ(grid.LabelsPerPage(), c.start + 1);
        struct Expected { int page, cell; const char* value; };
        const Expected expected[] = {{1, c.start, "TLY-0001"}, {1, c.start + 1, "TLY-0002"}, {2, 1, "TLY-0002"},
                                     {2, 2, "TLY-0004"}, {2, 3, "<not decoded>"}, {1, 1, "<not decoded>"}};
        QImage pages[2] = {RasterisePage(pdf, 1, folder.path()), RasterisePage(pdf, 2, folder.path())};
        ASSERT_FALSE(pages[0].isNull());
        ASSERT_FALSE(pages[1].isNull());
        for (const Expected& e : expected) {
            const QRect cell = CellRectPx(grid, geometry, e.cell);
            EXPECT_EQ(DecodeCode128(pages[e.page - 1].copy(cell)), e.value) << "page " << e.page << " cell " << e.cell;
        }
    }
}

} // namespace
} // namespace tessaly::print
