// A database run printed to PDF, rasterised by Ghostscript at 300 DPI, and every cell read back
// by ZXing-C++: the right record's value in the right cell.
#include "PrintedRunSupport.h"
#include "RecordingSink.h"

#include "labelshapes/BarcodeShape.h"
#include "print/LabelShapeHooks.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace tessaly::print {
namespace {

using testing::MemoryRows;
using testing::Row;
using testing::Avery5160;
using testing::CellRectPx;
using testing::RasterisePage;

std::string DecodeCode128(const QImage& cell)
{
    return testing::Decode(cell, ZXing::BarcodeFormat::Code128);
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
