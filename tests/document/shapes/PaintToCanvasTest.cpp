// PaintToCanvas: fitting and centring, tiles, quarter turns and flips, screen helpers.
#include "ShapesTestSupport.h"

#include "document/shapes/DocumentPainter.h"

#include <gtest/gtest.h>

namespace tessaly::document {
namespace {

using test::AddInk;
using test::InkBox;

constexpr QRgb kCanvas = 0xFF336699;

QImage Canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(kCanvas);
    return image;
}

TEST(PaintToCanvas, FitIntoAWideRectangleLeavesEqualBands)
{
    TdtpDocument document;  // one A4 page, 210 × 297 mm
    QImage image = Canvas(1000, 500);
    QPainter painter(&image);
    ASSERT_TRUE(PaintToCanvas(document, 0, painter, image.rect()));
    painter.end();
    const QRect paper = InkBox(image, [](QRgb p) { return p != kCanvas; });
    EXPECT_EQ(paper.height(), 500);
    EXPECT_EQ(paper.width(), 354);  // 210 × 500 / 297
    EXPECT_EQ(paper.left(), 323);
    EXPECT_EQ(1000 - 1 - paper.right(), 323);  // equal empty bands left and right
    EXPECT_EQ(image.pixel(500, 250), 0xFFFFFFFFu);
}

TEST(PaintToCanvas, ShapesLandAtTheirMillimetres)
{
    TdtpDocument document;
    document.SetPageWidth(100);
    document.SetPageHeight(50);
    AddInk(document, 10, 20, 30, 10);
    QImage image = Canvas(1000, 500);  // 10 pixels per millimetre
    QPainter painter(&image);
    ASSERT_TRUE(PaintToCanvas(document, 0, painter, image.rect()));
    painter.end();
    EXPECT_EQ(InkBox(image, [](QRgb p) { return p == 0xFF000000u; }), QRect(100, 200, 300, 100));
}

TEST(PaintToCanvas, QuarterTurnsAndFlipsMoveACornerMark)
{
    TdtpDocument document;
    document.SetPageWidth(40);
    document.SetPageHeight(20);
    AddInk(document, 0, 0, 5, 5);  // top-left corner of the page
    struct Case { int turns; bool flipH, flipV; QRect mark; };
    const Case cases[] = {
        {0, false, false, QRect(0, 0, 50, 50)},
        {1, false, false, QRect(0, 350, 50, 50)},   // counter-clockwise: top-left goes bottom-left
        {2, false, false, QRect(350, 150, 50, 50)},
        {3, false, false, QRect(150, 0, 50, 50)},   // clockwise: top-left goes top-right
        {0, true, false, QRect(350, 0, 50, 50)},
        {0, false, true, QRect(0, 150, 50, 50)},
    };
    for (const Case& c : cases) {
        const bool turned = c.turns & 1;
        QImage image = Canvas(turned ? 200 : 400, turned ? 400 : 200);  // 10 pixels per millimetre
        QPainter painter(&image);
        TdtpPaintOptions options;
        options.QuarterTurns = c.turns;
        options.FlipHorizontal = c.flipH;
        options.FlipVertical = c.flipV;
        ASSERT_TRUE(PaintToCanvas(document, 0, painter, image.rect(), options));
        painter.end();
        EXPECT_EQ(InkBox(image, [](QRgb p) { return p == 0xFF000000u; }), c.mark)
            << "turns " << c.turns << " flips " << c.flipH << c.flipV;
    }
}

TEST(PaintToCanvas, LargePagesAreCutIntoTilesThatCoverThePage)
{
    const std::vector<QRect> tiles = PageTiles(3000, 2000);
    long long area = 0;
    QRect covered;
    for (const QRect& tile : tiles) {
        EXPECT_LE(qint64(tile.width()) * tile.height(), kMaxTilePixels);
        area += qint64(tile.width()) * tile.height();
        covered = covered.united(tile);
    }
    EXPECT_EQ(area, 3000LL * 2000);
    EXPECT_EQ(covered, QRect(0, 0, 3000, 2000));
    EXPECT_EQ(tiles.front(), QRect(0, 0, 1500, 1000));  // halved across the longer side, left first
    EXPECT_EQ(PageTiles(1200, 1600).size(), 1u);     // 1,920,000 pixels is still one tile
}

TEST(PaintToCanvas, TiledRenderingMatchesOneTile)
{
    TdtpDocument document;
    document.SetPageWidth(600);
    document.SetPageHeight(200);
    AddInk(document, 299, 99, 2, 2);  // straddles the seams of four tiles
    QImage image = Canvas(6000, 2000);  // 12 million pixels: eight tiles
    QPainter painter(&image);
    TdtpPaintOptions options;
    options.OptimizedPrinting = true;
    int tiles = 0;
    options.OnTile = [&tiles] { ++tiles; };
    ASSERT_TRUE(PaintToCanvas(document, 0, painter, image.rect(), options));
    painter.end();
    EXPECT_GT(tiles, 1);
    EXPECT_EQ(InkBox(image, [](QRgb p) { return p == 0xFF000000u; }), QRect(2990, 990, 20, 20));
    EXPECT_EQ(tiles, 8);
    EXPECT_EQ(image.pixel(0, 0), kCanvas);  // optimized: blank paper tiles are not transferred
}

TEST(PaintToCanvas, MissingPagesAndEmptyRectanglesPaintNothing)
{
    TdtpDocument document;
    document.SetPageCount(0);
    EXPECT_EQ(document.PageWidth(), 0);
    QImage image = Canvas(10, 10);
    QPainter painter(&image);
    EXPECT_FALSE(PaintToCanvas(document, 0, painter, image.rect()));
    TdtpDocument other;
    EXPECT_FALSE(PaintToCanvas(other, 0, painter, QRect(0, 0, 0, 10)));
    painter.end();
    EXPECT_EQ(image.pixel(5, 5), kCanvas);
    EXPECT_FALSE(other.IsPrinting());
}

TEST(PaintToCanvas, AutomaticTurnPicksTheBetterFit)
{
    EXPECT_EQ(AutomaticQuarterTurns({297, 210}, {2100, 2970}), 1);  // landscape page, portrait paper
    EXPECT_EQ(AutomaticQuarterTurns({210, 297}, {2100, 2970}), 0);
    EXPECT_EQ(AutomaticQuarterTurns({100, 100}, {500, 800}), 0);    // a tie stays upright
}

TEST(ScreenHelpers, GridMarginsAndShadowAreDrawnUnderTheShapes)
{
    TdtpDocument document;
    document.SetPageWidth(20);
    document.SetPageHeight(20);
    document.CurrentPage()->SetGridSize(5);
    document.CurrentPage()->SetGridColor(0x0000FF);
    AddInk(document, 4, 4, 2, 2);
    QImage image(260, 260, QImage::Format_ARGB32_Premultiplied);
    image.fill(kCanvas);
    TDeviceContext dc = document.ScreenContext();
    dc.DeviceDpm = dc.RenderDpm = 10;
    TdtpScreenHelpers helpers;
    helpers.HelperMethod = TdtpHelperMethodType::hmGrid;
    helpers.FrameAndShadow = true;
    RenderPageArea(*document.CurrentPage(), image, QRectF(-3, -3, 26, 26), dc, &helpers);
    const auto at = [&](double xmm, double ymm) { return image.pixel(int((xmm + 3) * 10), int((ymm + 3) * 10)); };
    EXPECT_EQ(at(10, 2), 0xFFFF0000u);   // grid line at 10 mm (red in $00BBGGRR)
    EXPECT_EQ(at(7, 2), 0xFFFFFFFFu);    // paper between lines
    EXPECT_EQ(at(5, 5), 0xFF000000u);    // the shape covers the grid crossing
    EXPECT_EQ(at(20.5, 10), 0xFF000000u);  // shadow right of the page
    EXPECT_EQ(at(10, 20.5), 0xFF000000u);  // and below it
    EXPECT_EQ(at(-1, 10), kCanvas);
    helpers.HelperMethod = TdtpHelperMethodType::hmPattern;
    RenderPageArea(*document.CurrentPage(), image, QRectF(-3, -3, 26, 26), dc, &helpers);
    EXPECT_EQ(image.pixel(30, 30), 0xFFFFFFFFu);  // the checkerboard starts at the page corner
    EXPECT_EQ(image.pixel(38, 30), 0xFFB0B0B0u);
}

}  // namespace
}  // namespace tessaly::document
