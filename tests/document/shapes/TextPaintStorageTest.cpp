// Text painting (the fitting loop, the colour of anti-aliased text) and the XML form of text shapes.
#include "ShapesTestSupport.h"

#include "document/core/ShapeRegistry.h"
#include "document/storage/XmlWriter.h"

#include <gtest/gtest.h>

namespace tessaly::document {
namespace {

using test::AddShape;
using test::InkBox;

QImage RenderAt(TdtpShape& shape, float dpm)
{
    const int w = int(std::ceil(shape.DocWidth() * dpm)), h = int(std::ceil(shape.DocHeight() * dpm));
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(0);
    TDeviceContext dc;
    dc.Device = TDeviceType::dtPrinter;
    dc.DeviceDpm = dc.RenderDpm = dpm;
    RenderShape(shape, image, QRectF(0, 0, w / dpm, h / dpm), true, dc);
    return image;
}

TEST(TextPaint, OneMillimetreBoxAt150DpiIsFilledAfterFitting)
{
    TdtpTextShape shape;
    shape.SetText(QStringLiteral("HHHH"));
    shape.SetFontHeight(0.9f);  // its cell is about 1 mm high
    ASSERT_NEAR(shape.DocHeight(), 1.0, 0.05);
    const QImage image = RenderAt(shape, kDpm150);
    const QRect ink = InkBox(image, [](QRgb p) { return qAlpha(p) > 64; });
    ASSERT_FALSE(ink.isEmpty());
    // Capital letters fill about 0.65 of the cell: at least 3 of the box's 6 pixel rows.
    EXPECT_GE(ink.height(), 3);
    EXPECT_GE(ink.width(), int(shape.DocWidth() * kDpm150 * 0.6));
}

TEST(TextPaint, TextIsDrawnInTheFontColourWithItsEdgesAsAlpha)
{
    TdtpTextShape shape;
    shape.SetFontColor(0x0000FF);  // red in $00BBGGRR
    shape.SetText(QStringLiteral("Red text"));
    const QImage image = RenderAt(shape, kDpm300).convertToFormat(QImage::Format_ARGB32);
    int opaque = 0, partial = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 0) continue;
            EXPECT_EQ(p & 0xFFFFFF, 0xFF0000u) << x << "," << y;
            (qAlpha(p) == 255 ? opaque : partial)++;
        }
    EXPECT_GT(opaque, 100);
    EXPECT_GT(partial, 10);  // anti-aliased edges blend
}

TEST(TextPaint, FittingShrinksTextIntoASmallerBox)
{
    TdtpTextShape shape;
    shape.SetText(QStringLiteral("Squeezed"));
    shape.SetAutoSize(false);
    shape.SetBounds(0, 0, 10, 20);  // far narrower than the 12 mm text
    const QImage image = RenderAt(shape, kDpm300);
    const QRect ink = InkBox(image, [](QRgb p) { return qAlpha(p) > 0; });
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(ink.right(), int(10 * kDpm300));
}

TEST(TextPaint, MemoDrawnDirectlyLeavesThePageAroundItsLetters)
{
    TdtpDocument document;
    auto* memo = AddShape(document, std::make_unique<TdtpMemoShape>());
    memo->SetBounds(10, 10, 0, 0);
    memo->SetText(QStringLiteral("one\r\ntwo"));
    ASSERT_FALSE(memo->UsesCache());
    const QImage page = document.RenderPageImage(0, kDpm150);
    EXPECT_EQ(page.pixel(2, 2), 0xFFFFFFFFu);  // paper
    const QRect ink = InkBox(page, [](QRgb p) { return p != 0xFFFFFFFFu; });
    EXPECT_TRUE(QRectF(memo->BoundingBox().topLeft() * kDpm150, memo->BoundingBox().size() * kDpm150)
                    .adjusted(-1, -1, 1, 1).contains(QRectF(ink)));
}

QByteArray PageXml(TdtpDocument& document)
{
    pugi::xml_document xml;
    pugi::xml_node root = xml.append_child("Page");
    document.CurrentPage()->SaveToXml(root);
    return WriteXml(root, XmlForm::Compact);
}

TEST(TextStorage, TextShapesRoundTripThroughTheRegistry)
{
    RegisterTextShapeClasses();
    TdtpDocument source;
    auto* text = AddShape(source, std::make_unique<TdtpTextShape>());
    text->SetBounds(12, 8, 0, 0);
    text->SetText(QStringLiteral("Prix & <promo> \"été\""));
    text->SetFontName(QStringLiteral("Times New Roman"));
    text->SetFontStyle(fsBold | fsUnderline);
    text->SetFontColor(0x00FF00);
    text->SetAlignment(taRight);
    auto* memo = AddShape(source, std::make_unique<TdtpMemoShape>());
    memo->SetText(QStringLiteral("one\r\ntwo"));
    memo->SetLineHeight(1.5f);
    const QByteArray xml = PageXml(source);
    EXPECT_TRUE(xml.contains("<ClassName>TdtpTextShape</ClassName>"));
    EXPECT_TRUE(xml.contains("<Font><Name>Times New Roman</Name><Color>$0000FF00</Color><Bold>True</Bold>"));

    pugi::xml_document parsed;
    ASSERT_TRUE(ParseXml(parsed, xml));
    TdtpDocument target;
    target.CurrentPage()->LoadFromXml(parsed.child("Page"));
    ASSERT_EQ(target.ShapeCount(), 2);
    auto* loaded = dynamic_cast<TdtpTextShape*>(target.Shapes(0));
    auto* loadedMemo = dynamic_cast<TdtpMemoShape*>(target.Shapes(1));
    ASSERT_TRUE(loaded && loadedMemo);
    EXPECT_EQ(loaded->Text(), text->Text());
    EXPECT_EQ(loaded->GetFontName(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(loaded->GetFontStyle(), unsigned(fsBold | fsUnderline));
    EXPECT_EQ(loaded->GetFontColor(), 0x00FF00u);
    EXPECT_EQ(loaded->BoundingBox(), text->BoundingBox());
    EXPECT_FLOAT_EQ(loadedMemo->LineHeight(), 1.5f);
    EXPECT_EQ(loadedMemo->SpanCount(), 2);
    EXPECT_EQ(PageXml(target), xml);  // save, load, save gives the same bytes
}

TEST(TextStorage, MissingAndDamagedElementsFallBack)
{
    RegisterTextShapeClasses();
    const char* xml =
        "<Page><Shape Index=\"1\"><ClassName>TdtpMemoShape</ClassName><Text>abc</Text>"
        "<FontHeight>5</FontHeight><LineHeight>0</LineHeight>"
        "<Span><CharPos>-4</CharPos><CharCount>999</CharCount><Width>1e30</Width></Span>"
        "<DocWidth>30</DocWidth><DocHeight>9</DocHeight></Shape></Page>";
    pugi::xml_document parsed;
    ASSERT_TRUE(parsed.load_string(xml));
    TdtpDocument document;
    document.CurrentPage()->LoadFromXml(parsed.child("Page"));
    auto* memo = dynamic_cast<TdtpMemoShape*>(document.Shapes(0));
    ASSERT_TRUE(memo);
    EXPECT_EQ(memo->GetFontName(), QStringLiteral("Arial"));  // no Font element
    EXPECT_FLOAT_EQ(memo->LineHeight(), 1);                   // 0 reads as 1
    EXPECT_FALSE(memo->AutoSize());
    ASSERT_EQ(memo->SpanCount(), 1);
    EXPECT_EQ(memo->Spans(0).CharPos, 1);  // kept inside the text
    EXPECT_EQ(memo->Spans(0).CharCount, 3);
    EXPECT_FLOAT_EQ(memo->DocWidth(), 30);
    const QImage page = document.RenderPageImage(0, kDpm150);  // paints without trouble
    EXPECT_FALSE(page.isNull());
}

}  // namespace
}  // namespace tessaly::document

namespace tessaly::document {
namespace {

TEST(TextPaint, CharacterPositionsGrowAlongEachSpan)
{
    TdtpDocument document;
    auto* memo = test::AddShape(document, std::make_unique<TdtpMemoShape>());
    memo->SetText(QStringLiteral("ab\r\ncde"));
    memo->UpdateCharPositions(kDpm300);
    const auto& positions = memo->CharPositions();
    const auto& spans = memo->CharSpans();
    ASSERT_EQ(positions.size(), 8u);
    EXPECT_EQ(spans, (std::vector<int>{0, 0, 0, -1, 1, 1, 1, 1}));
    EXPECT_FLOAT_EQ(positions[0].x(), 0);
    EXPECT_GT(positions[1].x(), positions[0].x());
    EXPECT_GT(positions[2].x(), positions[1].x());
    EXPECT_FLOAT_EQ(positions[4].x(), 0);
    EXPECT_FLOAT_EQ(positions[4].y(), memo->LineHeightMm());
    EXPECT_LE(positions[7].x(), memo->Spans(1).Width + 1e-3);  // the caret after the last letter stays in the box
}

}  // namespace
}  // namespace tessaly::document
