// The PDF and image sinks: one page or image per sheet, the size of the sheet.
#include "print/PrintRun.h"
#include "RecordingSink.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

namespace tessaly::print {
namespace {

struct SinkFixture {
    document::TdtpPage label;
    values::Tvaleurspeciale calculator;
    RunSetup setup;
    SinkFixture()
    {
        label.SetSize(60, 20);
        setup.labelPage = &label;
        setup.layout.pageWidth = 200;
        setup.layout.pageHeight = 100;
        setup.layout.outerMarginX = 10;
        setup.layout.outerMarginY = 10;
        setup.calculator = &calculator;
    }
};

int PdfPageCount(const QString& file)
{
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = pdf.readAll();
    return int(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "));
}

TEST(PdfSink, WritesOnePagePerSheetInOneFile)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("run.pdf"));
    SinkFixture run;
    {
        PdfSheetSink sink(file);
        const RunResult result = PrintLabels(run.setup, sink, 20, 1);
        EXPECT_TRUE(result.Completed());
        EXPECT_EQ(result.sheetsPrinted, 2);
        sink.Finish();
        EXPECT_EQ(sink.PageCount(), 2);
    }
    EXPECT_EQ(PdfPageCount(file), 2);
}

TEST(PrinterSink, StartsOneJobPerSheet)
{
    // A printer writing to a file: every job rewrites the file, so one page is left of two sheets.
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("job.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    SinkFixture run;
    PrinterSheetSink sink(printer);
    const RunResult result = PrintLabels(run.setup, sink, 20, 1);
    EXPECT_TRUE(result.Completed()) << result.error.toStdString();
    EXPECT_EQ(result.sheetsPrinted, 2);
    EXPECT_EQ(PdfPageCount(file), 1);
}

TEST(ImageSink, DeliversAnImagePerSheetAtTheGivenResolution)
{
    SinkFixture run;
    std::vector<QSize> sizes;
    ImageSheetSink sink(4.0f, [&](const QImage& image, int number) {
        EXPECT_EQ(number, int(sizes.size()) + 1);
        sizes.push_back(image.size());
    });
    PrintFullSheets(run.setup, sink, 2);
    EXPECT_EQ(sizes, (std::vector<QSize>{QSize(800, 400), QSize(800, 400)}));
}

TEST(ImageSink, RefusesSheetsTooLargeToHold)
{
    struct Case { double width, height; };
    // Too many labels on one sheet; a sheet image beyond 2^28 pixels.
    for (const Case c : {Case{1e6, 1e6}, Case{200, 30000}}) {
        SinkFixture run;
        run.setup.layout.pageWidth = c.width;
        run.setup.layout.pageHeight = c.height;
        run.label.SetSize(200, 30000);
        if (c.width > 1e5)
            run.label.SetSize(1, 1);
        ImageSheetSink sink(11.8f, [](const QImage&, int) { FAIL(); });
        const RunResult result = PrintFullSheets(run.setup, sink, 1);
        EXPECT_FALSE(result.error.isEmpty());
    }
}

} // namespace
} // namespace tessaly::print
