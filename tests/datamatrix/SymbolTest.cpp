// The attribute table, Reed-Solomon and the module layout of every size.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "datamatrix/Placement.h"
#include "datamatrix/ReedSolomon.h"

namespace tessaly::datamatrix {
namespace {

TEST(SymbolTable, RowsAreConsistent) {
    for (int i = 0; i < kFormatCount; ++i) {
        const SymbolAttributes& s = Attributes(FormatAt(i));
        SCOPED_TRACE(FormatName(FormatAt(i)));
        const int regionsAcross = s.mappingColumns / s.regionColumns;
        const int regionsDown = s.mappingRows / s.regionRows;
        EXPECT_EQ(regionsAcross * regionsDown, s.regions);
        EXPECT_EQ(s.rows, s.mappingRows + 2 * regionsDown);
        EXPECT_EQ(s.columns, s.mappingColumns + 2 * regionsAcross);
        // Every mapping module but the fixed corner carries a codeword bit.
        const int spare = s.mappingRows * s.mappingColumns - s.totalCodewords() * 8;
        EXPECT_TRUE(spare == 0 || spare == 4) << spare;
        EXPECT_EQ(s.errorPerBlock * s.blocks, s.errorCodewords);
        EXPECT_GE(s.dataPerBlock * s.blocks, s.dataCodewords);
        EXPECT_LT(s.dataPerBlock * s.blocks - s.dataCodewords, s.blocks);
    }
    EXPECT_STREQ(FormatName(TFormat::C144X144), "C144X144");
    EXPECT_STREQ(FormatName(TFormat::C16X48), "C16X48");
}

TEST(SymbolTable, LookupAnswersNothingFitsAboveTheLargestSize) {
    EXPECT_EQ(ChooseFormat(1558, TFormat::AUTO, false)->format, TFormat::C144X144);
    EXPECT_FALSE(ChooseFormat(1559, TFormat::AUTO, false).has_value());
    EXPECT_FALSE(ChooseFormat(1600, TFormat::C144X144, false).has_value());
    EXPECT_EQ(ChooseFormat(4, TFormat::AUTO, false)->format, TFormat::C12X12);
    const auto dropped = ChooseFormat(4, TFormat::AUTO, true);
    EXPECT_EQ(dropped->format, TFormat::C10X10);
    EXPECT_TRUE(dropped->dropsFinalUnlatch);
}

TEST(ReedSolomon, MatchesTheWorkedExample) {
    const std::uint8_t data[] = {142, 164, 186};
    EXPECT_EQ(testing::Spaced(ErrorCorrection(data, 5)), "114 25 5 88 102");
}

TEST(ReedSolomon, LargestSymbolReadsBlocksPositionByPosition) {
    // C144X144: blocks 8 and 9 take 155 data codewords, so their error correction starts one
    // round earlier: codeword i belongs to block i mod 10 throughout the symbol.
    const SymbolAttributes& s = Attributes(TFormat::C144X144);
    std::vector<std::uint8_t> codewords(1558);
    for (std::size_t i = 0; i < codewords.size(); ++i) codewords[i] = static_cast<std::uint8_t>(i * 7 + 3);
    const std::vector<std::uint8_t> data = codewords;
    AppendErrorCorrection(codewords, s);
    ASSERT_EQ(codewords.size(), 2178u);
    for (std::size_t block : {0u, 7u, 8u, 9u}) {
        std::vector<std::uint8_t> blockData;
        for (std::size_t i = block; i < data.size(); i += 10) blockData.push_back(data[i]);
        EXPECT_EQ(blockData.size(), block < 8 ? 156u : 155u);
        const auto ecc = ErrorCorrection(blockData, 62);
        for (std::size_t j = 0; j < ecc.size(); ++j)
            EXPECT_EQ(codewords[(blockData.size() + j) * 10 + block], ecc[j]) << block << " " << j;
    }
}

TEST(Placement, SmallestMappingMatrixHasCornerPattern) {
    // 8 x 8: 3 + 5 codewords fill 64 modules exactly, no fixed corner.
    const auto mapping = MappingMatrix(8, 8);
    int fixed = 0;
    for (int v : mapping) fixed += v < 10;
    EXPECT_EQ(fixed, 0);
    // 10 x 10 leaves the bottom-right corner to the fixed pattern: dark, light / light, dark.
    const auto ten = MappingMatrix(10, 10);
    EXPECT_EQ(ten[99], 1);
    EXPECT_EQ(ten[98], 0);
    EXPECT_EQ(ten[89], 0);
    EXPECT_EQ(ten[88], 1);
}

TEST(Placement, RegionsCarryFinderAndClockLines) {
    ModuleMatrix m;
    const std::vector<std::uint8_t> zeros(Attributes(TFormat::C32X32).totalCodewords(), 0);
    PlaceCodewords(zeros, TFormat::C32X32, m);
    ASSERT_EQ(m.columns, 32);
    for (int i = 0; i < 32; ++i) {
        EXPECT_TRUE(m.dark(0, i));
        EXPECT_TRUE(m.dark(16, i));  // left line of the right-hand regions
        EXPECT_TRUE(m.dark(i, 31));
        EXPECT_TRUE(m.dark(i, 15));  // bottom line of the upper regions
        EXPECT_EQ(m.dark(i, 0), i % 16 % 2 == 0);
        EXPECT_EQ(m.dark(31, i), i % 16 % 2 == 1);
    }
}

}  // namespace
}  // namespace tessaly::datamatrix
