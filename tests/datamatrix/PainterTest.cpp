// TDatamatrix settings, rebuild semantics and the QPainter adapter's geometry.
#include <gtest/gtest.h>

#include <limits>

#include <QImage>
#include <QPainter>

#include "datamatrix/Datamatrix.h"
#include "datamatrix/qt/DatamatrixPainter.h"

namespace tessaly::datamatrix {
namespace {

TEST(TDatamatrix, NewInstanceValues) {
    TDatamatrix dm;
    EXPECT_EQ(dm.Code(), "This is a test of the barcode DataMatrix");
    EXPECT_EQ(dm.Encoding(), TEncoding::E_ASCII);
    EXPECT_EQ(dm.PreferredFormat(), TFormat::AUTO);
    EXPECT_EQ(dm.CalculatedFormat(), TFormat::AUTO);
    EXPECT_FALSE(dm.ProcessTilde());
    EXPECT_EQ(dm.PixelsDot(), 4);
    EXPECT_EQ(dm.Margin(), 30);
    EXPECT_TRUE(dm.rebuild());
    EXPECT_EQ(dm.BackColor(), 0xFFFFFFu);
    EXPECT_TRUE(dm.Matrix().empty());
}

TEST(TDatamatrix, DataThatFitsNothingKeepsThePreviousSymbol) {
    TDatamatrix dm;
    dm.setCode("1234567890");
    dm.setEncoding(TEncoding::E_AUTO);
    ASSERT_TRUE(dm.Rebuild());
    EXPECT_EQ(dm.CalculatedFormat(), TFormat::C12X12);  // five digit-pair codewords
    const ModuleMatrix before = dm.Matrix();

    dm.setCode(std::string(3200, '7'));  // 1600 codewords
    dm.setRebuild(true);
    EXPECT_FALSE(dm.Rebuild());
    EXPECT_FALSE(dm.rebuild());
    EXPECT_EQ(dm.CalculatedFormat(), TFormat::C12X12);
    EXPECT_EQ(dm.Matrix(), before);

    dm.setCode("~");  // empty after tilde processing
    dm.setProcessTilde(true);
    dm.setRebuild(true);
    EXPECT_FALSE(dm.Rebuild());
    EXPECT_EQ(dm.Matrix(), before);
}

TEST(TDatamatrix, EncodesOnlyWhenRebuildIsSet) {
    TDatamatrix dm;
    dm.setCode("1");
    ASSERT_TRUE(dm.Rebuild());
    const ModuleMatrix first = dm.Matrix();
    dm.setCode("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_FALSE(dm.Rebuild());
    EXPECT_EQ(dm.Matrix(), first);
}

TEST(Painter, DrawsModulesAtMarginAndOffsetAndKeepsPainterState) {
    TDatamatrix dm;
    dm.setCode("123456");  // C10X10
    dm.setPixelsDot(3);
    dm.setMargin(5);
    dm.setOffsetX(7);
    dm.setOffsetY(11);
    dm.setWidth(60);
    dm.setHeight(50);
    dm.setBarColor(0x0000FF);   // red as $00BBGGRR
    dm.setBackColor(0x00FF00);  // green

    QImage image(80, 80, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QPen pen(Qt::blue, 3);
    painter.setPen(pen);
    painter.setBrush(Qt::yellow);
    Paint(painter, dm);
    EXPECT_EQ(painter.pen(), pen);
    EXPECT_EQ(painter.brush().color(), QColor(Qt::yellow));
    painter.end();

    EXPECT_EQ(dm.CurrentX(), 3 * 10 + 5 + 7);
    EXPECT_EQ(dm.CurrentY(), 3 * 10 + 5 + 11);
    EXPECT_EQ(image.pixelColor(7, 11), QColor(0, 255, 0));     // background starts at the offset
    EXPECT_EQ(image.pixelColor(66, 60), QColor(0, 255, 0));    // and spans Width x Height
    EXPECT_EQ(image.pixelColor(67, 61), QColor(Qt::white));
    const ModuleMatrix& m = dm.Matrix();
    for (int y = 0; y < m.rows; ++y)
        for (int x = 0; x < m.columns; ++x)
            for (int d : {0, 2})
                ASSERT_EQ(image.pixelColor(12 + 3 * x + d, 16 + 3 * y + d),
                          m.dark(x, y) ? QColor(255, 0, 0) : QColor(0, 255, 0))
                    << x << "," << y;
}

}  // namespace
}  // namespace tessaly::datamatrix

namespace tessaly::datamatrix {
namespace {

TEST(Painter, HugeSettingsFromADamagedDocumentDoNotOverflow) {
    TDatamatrix dm;
    dm.setCode("123456");
    dm.setPixelsDot(1 << 30);
    dm.setMargin(2000000000);
    dm.setOffsetX(2000000000);
    QImage image(20, 20, QImage::Format_ARGB32);
    QPainter painter(&image);
    Paint(painter, dm);
    painter.end();
    EXPECT_EQ(dm.CurrentX(), std::numeric_limits<int>::max());
}

}  // namespace
}  // namespace tessaly::datamatrix
