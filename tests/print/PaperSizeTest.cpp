// The forced paper size in tenths of a millimetre and the custom page size it gives.
#include "print/PaperSize.h"

#include <gtest/gtest.h>

#include <QPrinter>

#include <cmath>
#include <limits>

namespace tessaly::print {
namespace {

TEST(ForcedPaper, RoundsToWholeMillimetresHalvesToEvenWithinTheLimit)
{
    struct Case { double width, height; int tenthsWidth, tenthsLength; };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {215.9, 279.4, 2160, 2790},   // US letter
        {210, 297, 2100, 2970},
        {0.5, 1.5, 0, 20},
        {2.5, 3.5, 20, 40},
        {5000, -3, 32760, 0},
        {nan, inf, 0, 32760},
    };
    for (const Case& c : cases) {
        const PaperTenths tenths = ForcedPaperTenths(c.width, c.height);
        EXPECT_EQ(tenths.width, c.tenthsWidth) << c.width;
        EXPECT_EQ(tenths.length, c.tenthsLength) << c.height;
    }
    const QSizeF size = ForcedPageSize(215.9, 279.4).size(QPageSize::Millimeter);
    EXPECT_NEAR(size.width(), 216.0, 1e-9);
    EXPECT_NEAR(size.height(), 279.0, 1e-9);
}

TEST(ForcedPaper, SetsTheSizeOnThePrinterAndRefusesAnEmptySide)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    EXPECT_TRUE(ForcePaperSize(printer, 215.9, 279.4));
    const QSizeF size = printer.pageLayout().pageSize().size(QPageSize::Millimeter);
    EXPECT_NEAR(size.width(), 216.0, 0.2);
    EXPECT_NEAR(size.height(), 279.0, 0.2);
    EXPECT_FALSE(ForcePaperSize(printer, 0.2, 100));
}

TEST(SelectPrinterByName, UnknownNameFallsBackToTheDefaultPrinter)
{
    QPrinter printer;
    const QString chosen = SelectPrinter(printer, QStringLiteral("no such printer 8c1f"));
    EXPECT_NE(chosen, QStringLiteral("no such printer 8c1f"));
}

} // namespace
} // namespace tessaly::print
