// The box filter: block division by the accumulator and truncated per-channel means.
#include "document/raster/BoxReduce.h"

#include <gtest/gtest.h>

namespace tessaly::document {
namespace {

TEST(BoxReduce, BlocksFollowTheAccumulator)
{
    struct Case { int source, dest; std::vector<int> blocks; };
    const Case cases[] = {
        {5, 2, {2, 3}},           // the accumulator reaches 2 at the second pixel
        {10, 3, {3, 3, 4}},
        {7, 7, {1, 1, 1, 1, 1, 1, 1}},
        {4, 5, {}},               // enlarging is not a reduction
    };
    for (const Case& c : cases)
        EXPECT_EQ(BoxBlocks(c.source, c.dest), c.blocks) << c.source << " -> " << c.dest;
}

TEST(BoxReduce, EachPixelIsTheTruncatedMeanOfItsBlock)
{
    QImage source(5, 1, QImage::Format_ARGB32);
    const QRgb pixels[] = {0x00000000, 0x02040608, 0x0A0A0A0A, 0x01010101, 0xFF000000};
    for (int x = 0; x < 5; ++x)
        source.setPixel(x, 0, pixels[x]);
    QImage dest(3, 1, QImage::Format_ARGB32);
    dest.fill(0x12345678);
    ASSERT_TRUE(BoxReduce(dest, QRect(1, 0, 2, 1), source, source.rect()));
    EXPECT_EQ(dest.pixel(0, 0), 0x12345678u);  // outside the destination rectangle
    EXPECT_EQ(dest.pixel(1, 0), 0x01020304u);  // (0 + 2) / 2 ... per channel
    EXPECT_EQ(dest.pixel(2, 0), 0x58030303u);  // (10 + 1 + 255) / 3 = 88 alpha; (10 + 1 + 0) / 3 = 3
    EXPECT_FALSE(BoxReduce(dest, QRect(0, 0, 3, 1), source, QRect(0, 0, 2, 1)));
}

}  // namespace
}  // namespace tessaly::document
