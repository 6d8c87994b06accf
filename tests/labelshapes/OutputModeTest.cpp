// The output-mode switch and painting: rotation adjustments, "Fin" painting straight at the
// device resolution against "Normale" through the cache, and the geometry inside the shape.
#include "LabelTestSupport.h"

#include "labelshapes/BarcodeShape.h"
#include "labelshapes/DatamatrixShape.h"
#include "labelshapes/LabelShapes.h"

#include <gtest/gtest.h>

namespace tessaly::labelshapes {
namespace {

// A Code 39 barcode as a print copy has it: no CacheAlways (not stored), no text line.
std::unique_ptr<TdtpBarCodeShape> PlainBarcode()
{
    auto shape = std::make_unique<TdtpBarCodeShape>();
    shape->Barcode().SetTyp(barcode::bcCode39);
    shape->SetText(QStringLiteral("1"));
    return shape;
}

TEST(OutputMode, SwitchAndPaintAdjustTheRotation)
{
    struct Case {
        TBarcodeQuality quality;
        float angle;
        float afterSwitch;
    };
    const Case cases[] = {
        {TBarcodeQuality::Normale, 0.0f, 0.001f}, {TBarcodeQuality::Normale, 0.005f, 0.005f},
        {TBarcodeQuality::Fin, 0.001f, 0.0f},     {TBarcodeQuality::Fin, 0.01f, 0.0f},
        {TBarcodeQuality::Fin, 0.02f, 0.02f},     {TBarcodeQuality::Fin, 0.0f, 0.0f},
    };
    for (const Case& c : cases) {
        TdtpBDatamatrixShape shape;
        shape.SetDocAngle(c.angle);
        shape.SetOutputMode(c.quality);
        EXPECT_FLOAT_EQ(shape.DocAngle(), c.afterSwitch) << c.angle;
        EXPECT_EQ(shape.OutputMode(), c.quality == TBarcodeQuality::Fin);
    }

    // Painting: in output mode 0.001 to 0.002 degrees become 0; while editing 0 becomes 0.001.
    auto document = test::LabelDocument(40, 20);
    auto* output = PlainBarcode().release();
    document->Pages(0)->AddChild(std::unique_ptr<TdtpBarCodeShape>(output));
    output->SetBounds(2, 2, 30, 10);
    output->SetOutputMode(TBarcodeQuality::Fin);
    output->SetDocAngle(0.0015f);
    auto* editing = PlainBarcode().release();
    document->Pages(0)->AddChild(std::unique_ptr<TdtpBarCodeShape>(editing));
    editing->SetBounds(2, 12, 30, 6);
    document->SetUndoEnabled(true);
    const int undoCount = document->UndoCount();
    document->RenderPageImage(0, 10);
    EXPECT_EQ(output->DocAngle(), 0.0f);
    EXPECT_FLOAT_EQ(editing->DocAngle(), 0.001f);
    EXPECT_EQ(document->UndoCount(), undoCount);  // no user edit to undo
}

// Pixels that are neither the bars' black nor the page's white.
int BlendedPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int red = qRed(image.pixel(x, y));
            count += red != 0 && red != 255;
        }
    return count;
}

TEST(OutputMode, FinPaintsWholeDevicePixelsWhereNormaleGoesThroughTheCache)
{
    for (const TBarcodeQuality quality : {TBarcodeQuality::Normale, TBarcodeQuality::Fin}) {
        auto document = test::LabelDocument(40, 20);
        auto shape = PlainBarcode();
        shape->SetBounds(5, 5, 30, 10);
        TdtpBarCodeShape* placed = shape.get();
        document->Pages(0)->AddChild(std::move(shape));
        SetPageOutputMode(*document->Pages(0), quality);
        // Output at 300 DPI with caches built at 150 DPI, as a "Normale" print run does.
        const QImage image = document->RenderPageImage(0, document::kDpm300, document::TDeviceType::dtPrinter,
                                                        document::kDpm150);
        EXPECT_EQ(placed->UsesCache(), quality == TBarcodeQuality::Normale);
        if (quality == TBarcodeQuality::Fin)
            EXPECT_EQ(BlendedPixels(image), 0);
        else
            EXPECT_GT(BlendedPixels(image), 0);
    }
}

TEST(OutputMode, BarsKeepATenthOfTheWidthAsMarginAndTheTextStaysInside)
{
    auto document = test::LabelDocument(70, 40);
    auto shape = PlainBarcode();
    shape->Barcode().SetShowText(barcode::bcoCode);
    shape->Barcode().SetShowTextPosition(barcode::stpBottomLeft);
    barcode::TFontSpec font = shape->Barcode().ShowTextFont();
    font.SetSize(20);
    shape->Barcode().SetShowTextFont(font);
    shape->SetBounds(5, 5, 10, 8);  // 100 x 80 pixels at 10 pixels per mm
    TdtpBarCodeShape* placed = shape.get();
    document->Pages(0)->AddChild(std::move(shape));
    SetPageOutputMode(*document->Pages(0), TBarcodeQuality::Fin);
    const QImage image = document->RenderPageImage(0, 10);

    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_EQ(placed->LastPaintError(), QString());
    EXPECT_EQ(placed->Barcode().Left(), 60);
    EXPECT_LE(placed->Barcode().Width(), 80);
    EXPECT_EQ(left, 60);
    EXPECT_LT(right, 150);
    EXPECT_GE(top, 50);
    EXPECT_LT(bottom, 130);
    EXPECT_LT(placed->Barcode().Height(), 80);  // the text line took its share of the height
}

TEST(OutputMode, AnUnencodableValuePaintsNothingAndSaysWhy)
{
    auto document = test::LabelDocument(40, 20);
    auto shape = PlainBarcode();
    shape->Barcode().SetTyp(barcode::bcCodeEAN13);
    shape->SetText(QStringLiteral("12AB"));
    shape->SetBounds(5, 5, 30, 10);
    TdtpBarCodeShape* placed = shape.get();
    document->Pages(0)->AddChild(std::move(shape));
    const QImage image = document->RenderPageImage(0, 10);
    EXPECT_FALSE(placed->LastPaintError().isEmpty());
    EXPECT_EQ(BlendedPixels(image), 0);
    EXPECT_EQ(qGray(image.pixel(200, 100)), 255);
}

} // namespace
} // namespace tessaly::labelshapes
