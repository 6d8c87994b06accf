// A user's database run end to end: 100 records imported from CSV, a label holding a Code 128 of
// field 1, a text of field 2 and an EAN-13 with key "EAN13" of field 3, printed through the
// printing system to a PDF queue (one job per sheet) and to a PDF file; every cell of every sheet
// is rasterised at 300 DPI and read back; the texts are read from the PDF file.
#include "PrintedRunSupport.h"
#include "support/CupsQueueOrSkip.h"

#include "data/ArticleBase.h"
#include "data/Statements.h"
#include "data/csv/CsvImport.h"
#include "labelshapes/BarcodeShape.h"
#include "labelshapes/ExtendedTextShape.h"
#include "print/ArticleListCursor.h"
#include "print/LabelShapeHooks.h"
#include "print/PaperSize.h"
#include "print/PrintCommand.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <fstream>
#include <optional>
#include <vector>

namespace tessaly::print {
namespace {

using testing::Avery5160;
using testing::CellRectPx;
using testing::Decode;
using testing::RasterisePage;

constexpr int kRecords = 100;
constexpr int kSheets = 4;   // 30 labels a sheet

QString Code128Value(int record)
{
    return QStringLiteral("TLY-%1").arg(record, 4, 10, QLatin1Char('0'));
}

// Field 3 holds twelve digits; the key "EAN13" adds the check digit.
QString EanField(int record)
{
    return QStringLiteral("400123%1").arg(record, 6, 10, QLatin1Char('0'));
}

QString WithEanCheckDigit(const QString& twelve)
{
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += twelve[i].digitValue() * (i % 2 ? 3 : 1);
    return twelve + QString::number((10 - sum % 10) % 10);
}

// "TLY-0001,Article 1,400123000001" and so on, then imported with columns 1..3 into fields 1..3.
void ImportRecords(data::ArticleBase& base, const QString& folder)
{
    const std::string csv = (folder + QStringLiteral("/articles.csv")).toStdString();
    {
        std::ofstream out(csv, std::ios::binary);
        for (int r = 1; r <= kRecords; ++r)
            out << Code128Value(r).toStdString() << ",Article " << r << ',' << EanField(r).toStdString() << '\n';
    }
    data::ImportSettings settings;
    settings.valid = true;
    settings.fieldColumn.fill(data::kNoColumn);
    settings.fieldColumn[0] = 0;
    settings.fieldColumn[1] = 1;
    settings.fieldColumn[2] = 2;
    settings.quantitySource = data::kQuantityOne;
    const data::ImportResult imported = data::ImportCsv(base, csv, settings);
    ASSERT_TRUE(imported.ok()) << imported.error;
    ASSERT_EQ(imported.imported, std::size_t(kRecords));
    ASSERT_EQ(base.prequetebase("", data::fconstruittri(0, false)), std::size_t(kRecords));
}

template <typename Shape>
Shape* AddFieldShape(document::TdtpDocument& label, std::unique_ptr<Shape> shape, QRectF bounds)
{
    shape->SetBounds(float(bounds.x()), float(bounds.y()), float(bounds.width()), float(bounds.height()));
    Shape* placed = shape.get();
    label.Pages(0)->AddChild(std::move(shape));
    return placed;
}

std::unique_ptr<labelshapes::TdtpBarCodeShape> FieldBarcode(barcode::TBarcodeType type, int field,
                                                            const QString& keyType)
{
    auto shape = std::make_unique<labelshapes::TdtpBarCodeShape>();
    shape->SetInsertionDefaults();
    shape->Barcode().SetTyp(type);
    shape->SetText(QStringLiteral("0"));
    shape->SetTextAff(QStringLiteral("[*%1*]").arg(field));
    values::ValueSource source;
    source.valueType = 2;
    source.fieldNumber = field;
    source.special.keyType = keyType;
    shape->SetSource(source);
    return shape;
}

// The 66.67 x 25.4 mm label: Code 128 of field 1 on top, EAN-13 of field 3 below, text of field 2.
std::unique_ptr<document::TdtpDocument> ArticleLabel()
{
    auto label = std::make_unique<document::TdtpDocument>();
    label->SetPageWidth(66.67f);
    label->SetPageHeight(25.4f);
    label->SetUndoEnabled(false);
    AddFieldShape(*label, FieldBarcode(barcode::bcCode128B, 1, {}), {2, 0.5, 62, 11});
    AddFieldShape(*label, FieldBarcode(barcode::bcCodeEAN13, 3, QStringLiteral("EAN13")), {2, 12, 42, 13});
    auto text = std::make_unique<labelshapes::TdtpTexteetenduShape>();
    text->SetText(QStringLiteral("[*2*]"));
    values::ValueSource source;
    source.valueType = 2;
    source.fieldNumber = 2;
    text->SetSource(source);
    text->SetFontHeight(3);
    AddFieldShape(*label, std::move(text), {46, 16, 19, 5});
    return label;
}

// The texts of field 2 in the order the PDF file draws them.
QStringList PrintedArticleTexts(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(60000))
        return {QStringLiteral("<pdftotext failed>")};
    QStringList texts;
    const QRegularExpression article(QStringLiteral("Article \\d+"));
    for (auto match = article.globalMatch(QString::fromUtf8(process.readAllStandardOutput())); match.hasNext();)
        texts << match.next().captured();
    return texts;
}

// What each cell of the four sheets reads as, "sheet s cell c: <Code 128> / <EAN-13>".
using CellReadings = std::vector<std::string>;

std::string Reading(int sheet, int cell, const std::string& code128, const std::string& ean13)
{
    return "sheet " + std::to_string(sheet) + " cell " + std::to_string(cell) + ": " + code128 + " / " + ean13;
}

CellReadings ExpectedReadings(int labelsPerSheet)
{
    CellReadings readings;
    for (int slot = 0; slot < kSheets * labelsPerSheet; ++slot) {
        const int record = slot + 1;
        const bool printed = record <= kRecords;
        readings.push_back(Reading(slot / labelsPerSheet + 1, slot % labelsPerSheet + 1,
                                   printed ? Code128Value(record).toStdString() : testing::kNotDecoded,
                                   printed ? WithEanCheckDigit(EanField(record)).toStdString() : testing::kNotDecoded));
    }
    return readings;
}

void ReadSheet(const QImage& page, int sheetNumber, const sheet::SheetLayout& layout, CellReadings& readings)
{
    const sheet::GridGeometry geometry = sheet::GeometryOf(layout);
    const sheet::SheetGrid grid(geometry);
    for (int cell = 1; cell <= grid.LabelsPerPage(); ++cell) {
        const QImage pixels = page.copy(CellRectPx(grid, geometry, cell));
        readings.push_back(Reading(sheetNumber, cell, Decode(pixels, ZXing::BarcodeFormat::Code128),
                                   Decode(pixels, ZXing::BarcodeFormat::EAN13)));
    }
}

// The database tab's run as the print button starts it, into `sink`.
RunResult PrintAllRecords(const document::TdtpDocument& label, data::ArticleBase& base, SheetSink& sink)
{
    values::Tvaleurspeciale calculator;
    RunSetup setup;
    setup.labelPage = label.Pages(0);
    setup.layout = Avery5160();
    setup.calculator = &calculator;
    setup.hooks = LabelShapeHooks();
    ArticleListCursor records(base.list());
    PrintCommandInput input;
    input.activeTab = sheet::PrintTab::Database;
    input.database.start = 1;
    return RunPrintCommand(setup, sink, &records, input);
}

struct ImportedRun {
    QTemporaryDir folder;
    std::unique_ptr<document::TdtpDocument> label = ArticleLabel();
    std::optional<data::ArticleBase> base;
};

TEST(CupsEndToEnd, HundredImportedRecordsScanInOrderFromPrinterQueueAndPdfFile)
{
    TESSALY_START_CUPS_QUEUE_OR_SKIP(queue, "tessaly_print_e2e");
    ImportedRun run;
    ASSERT_TRUE(run.folder.isValid());
    run.base.emplace(run.folder.path().toStdString());
    ImportRecords(*run.base, run.folder.path());
    if (HasFatalFailure())
        return;
    const sheet::SheetLayout layout = Avery5160();
    const sheet::SheetGrid grid(sheet::GeometryOf(layout));
    ASSERT_EQ(grid.LabelsPerPage(), 30);
    const CellReadings expected = ExpectedReadings(grid.LabelsPerPage());

    // Through the printing system: one job, hence one PDF, per sheet, in arrival order.
    // At 300 DPI, as the PDF file below: a sheet job then takes the PDF writer seconds, not tens.
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(testing::kRasterDpi);
    ASSERT_EQ(SelectPrinter(printer, QString::fromStdString(queue->queueName())).toStdString(), queue->queueName());
    ASSERT_TRUE(ForcePaperSize(printer, layout.pageWidth, layout.pageHeight));
    PrinterSheetSink printerSink(printer);
    const RunResult printed = PrintAllRecords(*run.label, *run.base, printerSink);
    ASSERT_TRUE(printed.Completed()) << printed.error.toStdString();
    ASSERT_EQ(printed.sheetsPrinted, kSheets);
    ASSERT_EQ(printed.labelsPlaced, kRecords);
    CellReadings fromQueue;
    for (int sheetNumber = 1; sheetNumber <= kSheets; ++sheetNumber) {
        // A PDF counts as complete once no job is pending, so the first waits for all four.
        const auto timeout = std::chrono::seconds(sheetNumber == 1 ? 45 : 15);
        const std::optional<std::filesystem::path> pdf = queue->WaitForPdf(timeout);
        ASSERT_TRUE(pdf) << "sheet " << sheetNumber << " never arrived\n" << queue->Diagnostics();
        const QImage page = RasterisePage(QString::fromStdString(pdf->string()), 1, run.folder.path());
        ASSERT_FALSE(page.isNull()) << "Ghostscript could not read " << pdf->string();
        ReadSheet(page, sheetNumber, layout, fromQueue);
    }
    EXPECT_EQ(fromQueue, expected) << queue->Diagnostics();

    // The same run into one PDF file reads the same.
    const QString file = run.folder.filePath(QStringLiteral("run.pdf"));
    {
        PdfSheetSink fileSink(file);
        const RunResult written = PrintAllRecords(*run.label, *run.base, fileSink);
        ASSERT_TRUE(written.Completed()) << written.error.toStdString();
        fileSink.Finish();
        ASSERT_EQ(fileSink.PageCount(), kSheets);
    }
    CellReadings fromFile;
    for (int sheetNumber = 1; sheetNumber <= kSheets; ++sheetNumber) {
        const QImage page = RasterisePage(file, sheetNumber, run.folder.path());
        ASSERT_FALSE(page.isNull()) << "Ghostscript could not read page " << sheetNumber;
        ReadSheet(page, sheetNumber, layout, fromFile);
    }
    EXPECT_EQ(fromFile, expected);
    QStringList articles;
    for (int r = 1; r <= kRecords; ++r)
        articles << QStringLiteral("Article %1").arg(r);
    EXPECT_EQ(PrintedArticleTexts(file), articles);
}

} // namespace
} // namespace tessaly::print
