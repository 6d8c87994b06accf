// Painting a page straight onto a print device: shapes with a vector form and shapes that fall back
// to the bitmap pipeline land where the bitmap rendering of the whole page puts them.
#include "ShapesTestSupport.h"

#include "document/shapes/DocumentPainter.h"

#include <gtest/gtest.h>

namespace tessaly::document {
namespace {

using test::AddInk;
using test::AddShape;
using test::InkBox;

constexpr float kDpm = 10;   // 100 x 50 mm into 1000 x 500 pixels
constexpr QRgb kCanvas = 0xFF336699;

QImage Paint(TdtpDocument& document, bool vector)
{
    QImage image(1000, 500, QImage::Format_ARGB32_Premultiplied);
    image.fill(kCanvas);
    QPainter painter(&image);
    if (vector)
        EXPECT_TRUE(PaintPageVector(document, 0, painter, QPointF(0, 0), kDpm));
    else
        EXPECT_TRUE(PaintToCanvas(document, 0, painter, image.rect()));
    return image;
}

// Drawn ink, half-transparent black included; neither paper nor the canvas around it.
bool Dark(QRgb p) { return p != kCanvas && qGray(p) < 200; }

void ExpectNear(const QRect& a, const QRect& b)
{
    ASSERT_FALSE(a.isEmpty());
    EXPECT_NEAR(a.left(), b.left(), 1);
    EXPECT_NEAR(a.top(), b.top(), 1);
    EXPECT_NEAR(a.right(), b.right(), 1);
    EXPECT_NEAR(a.bottom(), b.bottom(), 1);
}

TEST(PaintPageVector, EachKindOfShapeLandsWhereTheBitmapRenderingPutsIt)
{
    struct Case {
        const char* name;
        float angle;
        int alpha;   // below 255 the shape has no vector form
        bool text;
    };
    const Case cases[] = {
        {"upright text", 0, 255, true},
        {"turned text", 90, 255, true},
        {"slightly turned text", 0.001f, 255, true},
        {"half transparent text", 0, 128, true},
        {"shape without a vector form", 30, 255, false},
    };
    for (const Case& c : cases) {
        TdtpDocument document;
        document.SetPageWidth(100);
        document.SetPageHeight(50);
        TdtpShape* shape = nullptr;
        if (c.text) {
            auto text = std::make_unique<TdtpTextShape>();
            text->SetText(QStringLiteral("HELLO"));
            text->SetFontHeight(8);
            shape = AddShape(document, std::move(text));
        } else {
            shape = AddInk(document, 0, 0, 1, 1);
        }
        shape->SetGeometry(20, 10, 40, 12, c.angle);
        shape->SetMasterAlpha(c.alpha);
        ExpectNear(InkBox(Paint(document, true), Dark), InkBox(Paint(document, false), Dark));
        if (HasFailure()) {
            ADD_FAILURE() << c.name;
            return;
        }
    }
}

TEST(PaintPageVector, PaintsThePaperAndHonoursThePainterOffset)
{
    TdtpDocument document;
    document.SetPageWidth(30);
    document.SetPageHeight(20);
    AddInk(document, 10, 5, 10, 10);
    QImage image(1000, 500, QImage::Format_ARGB32_Premultiplied);
    image.fill(kCanvas);
    QPainter painter(&image);
    painter.translate(100, 50);
    ASSERT_TRUE(PaintPageVector(document, 0, painter, QPointF(200, 100), kDpm));
    painter.end();
    EXPECT_EQ(InkBox(image, [](QRgb p) { return p == 0xFFFFFFFFu; }).united(InkBox(image, Dark)),
              QRect(300, 150, 300, 200));
    ExpectNear(InkBox(image, Dark), QRect(400, 200, 100, 100));
    EXPECT_FALSE(PaintPageVector(document, 3, painter, QPointF(), kDpm));
}

}  // namespace
}  // namespace tessaly::document
