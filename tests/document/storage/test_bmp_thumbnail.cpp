// Page thumbnails as 24-bit BMP streams.
#include "StorageBytes.h"
#include "document/storage/BmpThumbnail.h"

#include <gtest/gtest.h>

using namespace tessaly::document;
using namespace tessaly::document::test;

TEST(BmpThumbnail, WritesBottomUpRowsPaddedToFourBytes)
{
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(qRgb(0x10, 0x20, 0x30));
    image.setPixel(0, 0, qRgb(0xAA, 0xBB, 0xCC));   // top left
    const QByteArray bmp = ThumbnailToBmp(image);
    const qint64 rowSize = 12;   // 3 pixels * 3 bytes, padded to 12
    ASSERT_EQ(bmp.size(), 54 + rowSize * 2);
    EXPECT_EQ(bmp.left(2), "BM");
    EXPECT_EQ(Int32At(bmp, 2), bmp.size());
    EXPECT_EQ(Int32At(bmp, 10), 54);
    EXPECT_EQ(Int32At(bmp, 14), 40);
    EXPECT_EQ(Int32At(bmp, 18), 3);
    EXPECT_EQ(Int32At(bmp, 22), 2);
    EXPECT_EQ(bmp.mid(26, 4), QByteArray("\x01\x00\x18\x00", 4));
    EXPECT_EQ(Int32At(bmp, 30), 0);
    EXPECT_EQ(Int32At(bmp, 34), rowSize * 2);
    // The first stored row is the bottom one; the top-left pixel starts the second row, as BGR.
    EXPECT_EQ(bmp.mid(54, 3), QByteArray("\x30\x20\x10", 3));
    EXPECT_EQ(bmp.mid(54 + rowSize, 3), QByteArray("\xCC\xBB\xAA", 3));
    EXPECT_EQ(bmp.mid(54 + 9, 3), QByteArray(3, '\0'));   // padding

    const QImage back = BmpToThumbnail(bmp);
    ASSERT_EQ(back.size(), image.size());
    EXPECT_EQ(back.pixel(0, 0), qRgb(0xAA, 0xBB, 0xCC));
    EXPECT_EQ(back.pixel(2, 1), qRgb(0x10, 0x20, 0x30));
    // Qt's own reader agrees with the bytes.
    EXPECT_EQ(QImage::fromData(bmp, "BMP").pixel(0, 0), qRgb(0xAA, 0xBB, 0xCC));
}

TEST(BmpThumbnail, DamagedFilesGiveANullImage)
{
    QImage image(80, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QByteArray good = ThumbnailToBmp(image);
    EXPECT_TRUE(ThumbnailToBmp(QImage()).isEmpty());
    EXPECT_TRUE(BmpToThumbnail(QByteArray()).isNull());
    EXPECT_TRUE(BmpToThumbnail(good.left(100)).isNull());
    QByteArray huge = good;
    SetInt32(huge, 18, 0x7FFFFFFF);
    EXPECT_TRUE(BmpToThumbnail(huge).isNull());
    QByteArray offset = good;
    SetInt32(offset, 10, -1);
    EXPECT_TRUE(BmpToThumbnail(offset).isNull());
    QByteArray topDown = good;
    SetInt32(topDown, 22, -60);
    EXPECT_EQ(BmpToThumbnail(topDown).size(), QSize(80, 60));
}
