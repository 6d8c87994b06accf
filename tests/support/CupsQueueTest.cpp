// Prints one page through a temporary queue and checks where the ink lands in the PDF that
// comes out, which proves the queue, the PDF writer and the millimetre placement end to end.
#include "support/Command.h"
#include "support/CupsQueueOrSkip.h"

#include <QImage>
#include <QPainter>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include <gtest/gtest.h>

namespace tessaly::testsupport {
namespace {

constexpr double kDpi = 150.0;
constexpr double kPixelsPerMm = kDpi / 25.4;

// Prints a 10 mm black square whose top-left corner is 10 mm from the page's top-left corner.
void PrintSquare(const std::string& queueName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(QString::fromStdString(queueName));
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setDocName(QStringLiteral("square"));
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter painter(&printer);
    const double dotsPerMm = printer.resolution() / 25.4;
    painter.fillRect(QRectF(10 * dotsPerMm, 10 * dotsPerMm, 10 * dotsPerMm, 10 * dotsPerMm),
                     Qt::black);
    painter.end();
}

QImage Rasterise(const std::filesystem::path& pdf, const std::filesystem::path& png)
{
    const CommandResult gs = RunCommand(
        "gs", {"-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pnggray",
               "-r" + std::to_string(int(kDpi)), "-sOutputFile=" + png.string(), pdf.string()},
        std::chrono::seconds(30));
    EXPECT_TRUE(gs.finished && gs.exitCode == 0) << gs.output;
    return QImage(QString::fromStdString(png.string()));
}

// The bounding box of the dark pixels.
QRect InkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

TEST(CupsQueue, PrintedSquareLandsWhereItWasDrawn)
{
    TESSALY_START_CUPS_QUEUE_OR_SKIP(queue, "tessaly_support_test");
    ASSERT_TRUE(QPrinterInfo::availablePrinterNames().contains(
        QString::fromStdString(queue->queueName())));

    PrintSquare(queue->queueName());
    const std::optional<std::filesystem::path> pdf = queue->WaitForPdf();
    ASSERT_TRUE(pdf) << queue->Diagnostics();

    const QImage page = Rasterise(*pdf, queue->outputFolder() / "page.png");
    ASSERT_FALSE(page.isNull());
    EXPECT_NEAR(page.width(), 210 * kPixelsPerMm, 2);
    const QRect ink = InkBounds(page);
    const double expected = 10 * kPixelsPerMm;  // about 59 pixels
    EXPECT_NEAR(ink.left(), expected, 2);
    EXPECT_NEAR(ink.top(), expected, 2);
    EXPECT_NEAR(ink.width(), expected, 2);
    EXPECT_NEAR(ink.height(), expected, 2);
}

TEST(CupsQueue, RefusesUnsafeQueueName)
{
    std::string whyNot;
    EXPECT_EQ(CupsQueue::Start("../etc/x", &whyNot), nullptr);
    EXPECT_NE(whyNot.find("queue name"), std::string::npos);
}

} // namespace
} // namespace tessaly::testsupport
