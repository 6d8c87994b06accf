// Label pages resolved against a record and rendered at 300 DPI through the document's render
// pipeline, then read back by ZXing-C++: the printed symbols carry the resolved values.
#define ZX_USE_UTF8 1
#include "LabelTestSupport.h"

#include "labelshapes/BarcodeShape.h"
#include "labelshapes/DatamatrixShape.h"
#include "labelshapes/LabelShapes.h"
#include "labelshapes/ResolvePage.h"

#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>

namespace tessaly::labelshapes {
namespace {

using ZXing::BarcodeFormat;

struct PrintCase {
    const char* name;
    TBarcodeQuality quality;
};

std::string Decode(const QImage& page, BarcodeFormat format)
{
    const QImage gray = page.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(), ZXing::ImageFormat::Lum,
                                int(gray.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    hints.setTryRotate(false);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    return result.isValid() ? result.text() : std::string("<not decoded>");
}

// One label: the shape on a 70 x 40 mm page, resolved for `run`, rendered at 300 DPI.
class PrintedLabel : public ::testing::TestWithParam<PrintCase> {
protected:
    template <class Shape>
    Shape* Place(std::unique_ptr<Shape> shape, float left, float top, float width, float height)
    {
        shape->SetBounds(left, top, width, height);
        Shape* placed = shape.get();
        document->Pages(0)->AddChild(std::move(shape));
        return placed;
    }

    QImage Print(values::RunNumbers run = {})
    {
        document::TdtpPage& page = *document->Pages(0);
        SetPageOutputMode(page, GetParam().quality);
        values::Tvaleurspeciale calculator = test::FixedCalculator();
        EXPECT_TRUE(ResolvePage(page, {record, run, calculator}));
        return document->RenderPageImage(0, document::kDpm300);
    }

    std::unique_ptr<document::TdtpDocument> document = test::LabelDocument(70, 40);
    test::FakeRecord record;
};

TEST_P(PrintedLabel, Ean13FromAFieldWithPrefixAndKey)
{
    auto shape = std::make_unique<TdtpBarCodeShape>();
    shape->SetInsertionDefaults();
    shape->Barcode().SetTyp(barcode::bcCodeEAN13);
    shape->SetText(QStringLiteral("1234567890123"));
    shape->SetTextAff(QStringLiteral("[*3*]"));
    values::ValueSource source;
    source.valueType = 2;
    source.fieldNumber = 3;
    source.special.prefix = QStringLiteral("4");
    source.special.keyType = QStringLiteral("EAN13");
    shape->SetSource(source);
    TdtpBarCodeShape* placed = Place(std::move(shape), 5, 5, 60, 30);
    record.values[3] = "12345";

    const QImage image = Print();
    // "4" + "12345" padded to twelve digits, then the check digit.
    EXPECT_EQ(placed->Text(), QStringLiteral("0000004123453"));
    EXPECT_EQ(placed->TextAff(), placed->Text());
    EXPECT_EQ(placed->LastPaintError(), QString());
    EXPECT_EQ(Decode(image, BarcodeFormat::EAN13), "0000004123453");
}

TEST_P(PrintedLabel, Code128FromACounterWithPrefix)
{
    auto shape = std::make_unique<TdtpBarCodeShape>();
    shape->SetInsertionDefaults();
    shape->Barcode().SetTyp(barcode::bcCode128B);
    values::ValueSource source;
    source.valueType = 3;
    source.special.kind = 2;
    source.special.prefix = QStringLiteral("LOT-");
    source.special.number = {0, 1, 1, 4};  // start 0, per label, step 1, four digits
    shape->SetSource(source);
    Place(std::move(shape), 5, 5, 60, 30);

    EXPECT_EQ(Decode(Print({7, 1, 1}), BarcodeFormat::Code128), "LOT-0007");
}

TEST_P(PrintedLabel, DataMatrixFromAFieldWithPrefix)
{
    auto shape = std::make_unique<TdtpBDatamatrixShape>();
    shape->SetInsertionDefaults();
    shape->SetTextAff(QStringLiteral("[*2*]"));
    values::ValueSource source;
    source.valueType = 2;
    source.fieldNumber = 2;
    source.special.prefix = QStringLiteral("SN:");
    source.special.keyType = QStringLiteral("EAN13");  // never applied to DataMatrix values
    shape->SetSource(source);
    Place(std::move(shape), 10, 10, 20, 20);
    record.values[2] = "ABC123";

    // The symbol's cell alone, with its quiet zone: ZXing finds few DataMatrix symbols on a
    // whole page.
    const QImage cell = Print().copy(QRect(QPoint(59, 59), QPoint(236, 236)));
    EXPECT_EQ(Decode(cell, BarcodeFormat::DataMatrix), "SN:ABC123");
}

INSTANTIATE_TEST_SUITE_P(Quality, PrintedLabel,
                         ::testing::Values(PrintCase{"Normale", TBarcodeQuality::Normale},
                                           PrintCase{"Fin", TBarcodeQuality::Fin}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessaly::labelshapes
