// Printing through a real QPrinter into a PDF, rasterised by Ghostscript at 300 DPI: the ink must
// land at its millimetres measured from the paper corner.
#include "ShapesTestSupport.h"

#include "document/shapes/DocumentPainter.h"

#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tessaly::document {
namespace {

using test::AddInk;
using test::InkBox;

constexpr double kPixelsPerMm300 = 300 / 25.4;

// Renders every page of `pdf` at 300 DPI and returns the images (empty when gs is missing).
std::vector<QImage> Rasterise(const QString& pdf, const QTemporaryDir& dir)
{
    const QString gs = QStandardPaths::findExecutable(QStringLiteral("gs"));
    if (gs.isEmpty())
        return {};
    QProcess process;
    process.start(gs, {QStringLiteral("-q"), QStringLiteral("-dNOPAUSE"), QStringLiteral("-dBATCH"),
                       QStringLiteral("-dSAFER"), QStringLiteral("-sDEVICE=png16m"), QStringLiteral("-r300"),
                       QStringLiteral("-sOutputFile=") + dir.filePath(QStringLiteral("page%d.png")), pdf});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    std::vector<QImage> pages;
    for (int i = 1;; ++i) {
        QImage page(dir.filePath(QStringLiteral("page%1.png").arg(i)));
        if (page.isNull())
            break;
        pages.push_back(page);
    }
    return pages;
}

bool IsInk(QRgb p) { return qGray(p) < 128; }

class PrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        if (QStandardPaths::findExecutable(QStringLiteral("gs")).isEmpty())
            GTEST_SKIP() << "Ghostscript is not installed";
    }
    QString Print(TdtpDocument& document, QSizeF paperMm, QMarginsF marginsMm)
    {
        const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageLayout(QPageLayout(QPageSize(paperMm, QPageSize::Millimeter), QPageLayout::Portrait,
                                          marginsMm, QPageLayout::Millimeter));
        PrintAll(document, printer);
        return pdf;
    }
    QTemporaryDir dir;
};

TEST_F(PrintTest, FrameAtTenMillimetresLandsAtTenMillimetresFromThePaperCorner)
{
    TdtpDocument document;
    document.SetPrintQuality(TdtpPrintQualityType::pqMedium);
    document.SetPageWidth(100);
    document.SetPageHeight(60);
    AddInk(document, 10, 10, 10, 10);
    AddInk(document, 70, 40, 20, 5);
    // Printer margins must not move the page: the paper corner is (0, 0).
    const std::vector<QImage> pages = Rasterise(Print(document, {100, 60}, {7, 5, 7, 5}), dir);
    ASSERT_EQ(pages.size(), 1u);
    const QImage& page = pages[0];
    EXPECT_NEAR(page.width(), 100 * kPixelsPerMm300, 3);  // whole points: at most 0.18 mm off
    const QRect first = InkBox(page.copy(0, 0, page.width() / 2, page.height() / 2), IsInk);
    EXPECT_NEAR(first.left(), 10 * kPixelsPerMm300, 1.0);
    EXPECT_NEAR(first.top(), 10 * kPixelsPerMm300, 1.0);
    EXPECT_NEAR(first.width(), 10 * kPixelsPerMm300, 1.5);
    EXPECT_NEAR(first.height(), 10 * kPixelsPerMm300, 1.5);
    const QPoint half(page.width() / 2, page.height() / 2);
    const QRect second = InkBox(page.copy(QRect(half, page.size() - QSize(half.x(), half.y()))), IsInk).translated(half);
    EXPECT_NEAR(second.left(), 70 * kPixelsPerMm300, 1.0);
    EXPECT_NEAR(second.bottom() + 1, 45 * kPixelsPerMm300, 1.5);
}

TEST_F(PrintTest, EveryPageIsOnePrinterPageAndLandscapePagesAreTurned)
{
    TdtpDocument document;
    document.SetPageCount(2);
    for (int i = 0; i < 2; ++i) {
        document.SetCurrentPageIndex(i);
        document.SetPageWidth(60);
        document.SetPageHeight(40);  // landscape on a portrait paper of 40 × 60 mm
        AddInk(document, 0, 0, 10, 10);
    }
    std::vector<int> progress;
    document.OnProgress = [&](TdtpDocument*, TdtpProgressType type, int count, int, float) {
        EXPECT_EQ(type, TdtpProgressType::ptPrint);
        progress.push_back(count);
    };
    const std::vector<QImage> pages = Rasterise(Print(document, {40, 60}, {}), dir);
    ASSERT_EQ(pages.size(), 2u);
    for (const QImage& page : pages) {
        // A quarter turn counter-clockwise puts the page's top-left corner at the paper's bottom-left.
        const QRect ink = InkBox(page, IsInk);
        EXPECT_NEAR(ink.left(), 0, 1.5);
        EXPECT_NEAR(ink.bottom() + 1, 60 * kPixelsPerMm300, 2);
        EXPECT_NEAR(ink.width(), 10 * kPixelsPerMm300, 2);
    }
    EXPECT_EQ(progress, (std::vector<int>{0, 1, 2, 2}));
}

TEST_F(PrintTest, PrintingRefusesWhilePrinting)
{
    TdtpDocument document;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("refused.pdf")));
    document.BeginPrinting();
    EXPECT_THROW(PrintAll(document, printer), DocumentError);
    document.EndPrinting();
}

}  // namespace
}  // namespace tessaly::document
