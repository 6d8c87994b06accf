// Both independent readers must decode our symbols with the right bytes: every size filled,
// every encodation, and random strings of several kinds.
#include <gtest/gtest.h>

#include <random>

#include "Decoders.h"
#include "TestSupport.h"
#include "datamatrix/Placement.h"

namespace tessaly::datamatrix {
namespace {

using testing::DecodeWithLibdmtx;
using testing::DecodeWithZXing;
using testing::EncodeText;

void ExpectBothDecode(std::string_view code, TEncoding encoding, TFormat preferred = TFormat::AUTO,
                      bool withLibdmtx = true) {
    const auto symbol = EncodeText(code, encoding, preferred);
    ASSERT_TRUE(symbol) << "nothing fits";
    const std::string expected(code);
    EXPECT_EQ(DecodeWithZXing(symbol->matrix), expected) << "ZXing, " << FormatName(symbol->format);
    if (withLibdmtx) {
        EXPECT_EQ(DecodeWithLibdmtx(symbol->matrix), expected) << "libdmtx, " << FormatName(symbol->format);
    }
}

std::string RandomDigits(std::mt19937& rng, std::size_t count) {
    std::string digits(count, '0');
    for (char& c : digits) c = static_cast<char>('0' + rng() % 10);
    return digits;
}

// libdmtx alone reads C144X144 with every block's error correction at data + block + 10 j; ZXing,
// like the common encoders, reads the blocks position by position as we write them. The same
// codewords moved to libdmtx's order show that everything else agrees with it.
ModuleMatrix InLibdmtxOrder(const EncodedSymbol& symbol) {
    const SymbolAttributes& s = Attributes(symbol.format);
    std::vector<std::uint8_t> moved = symbol.codewords;
    const auto data = std::size_t(s.dataCodewords), blocks = std::size_t(s.blocks);
    for (std::size_t b = 0; b < blocks; ++b) {
        const std::size_t count = (data - b + blocks - 1) / blocks;
        for (std::size_t j = 0; j < std::size_t(s.errorPerBlock); ++j)
            moved[data + b + blocks * j] = symbol.codewords[(count + j) * blocks + b];
    }
    ModuleMatrix matrix;
    PlaceCodewords(moved, symbol.format, matrix);
    return matrix;
}

class EverySize : public ::testing::TestWithParam<int> {};

// Digits in ASCII fill each size exactly, one codeword per pair.
TEST_P(EverySize, FilledSymbolDecodes) {
    const TFormat format = FormatAt(GetParam());
    std::mt19937 rng(static_cast<unsigned>(GetParam()));
    const std::string digits = RandomDigits(rng, std::size_t(Attributes(format).dataCodewords) * 2);
    const auto symbol = EncodeText(digits, TEncoding::E_ASCII, format);
    ASSERT_TRUE(symbol);
    ASSERT_EQ(symbol->format, format);
    EXPECT_EQ(DecodeWithZXing(symbol->matrix), digits);
    if (format == TFormat::C144X144) {
        EXPECT_EQ(DecodeWithLibdmtx(InLibdmtxOrder(*symbol)), digits);
        EXPECT_EQ(InLibdmtxOrder(*EncodeText("12", TEncoding::E_ASCII, TFormat::C52X52)),
                  EncodeText("12", TEncoding::E_ASCII, TFormat::C52X52)->matrix);
    } else {
        EXPECT_EQ(DecodeWithLibdmtx(symbol->matrix), digits);
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, EverySize, ::testing::Range(0, kFormatCount),
                         [](const auto& info) { return std::string(FormatName(FormatAt(info.param))); });

struct EncodationCase {
    const char* name;
    TEncoding encoding;
    std::string code;
};

class EveryEncodation : public ::testing::TestWithParam<EncodationCase> {};

TEST_P(EveryEncodation, Decodes) { ExpectBothDecode(GetParam().code, GetParam().encoding); }

const std::string kMixed = std::string("Lot 42/B: caf\xE9 & cr\xE8me, ~ {x} [y] ") + '\0' + "\x7F\xFF end 0123456789";

INSTANTIATE_TEST_SUITE_P(
    Encodations, EveryEncodation,
    ::testing::Values(EncodationCase{"Ascii", TEncoding::E_ASCII, kMixed},
                      EncodationCase{"C40", TEncoding::E_C40, kMixed},
                      EncodationCase{"C40Capitals", TEncoding::E_C40, "ABC 123 XYZ"},
                      EncodationCase{"C40OnePendingShifted", TEncoding::E_C40, "ABCDa"},
                      EncodationCase{"C40OnePendingUpperShifted", TEncoding::E_C40, "ABCD\xE9"},
                      EncodationCase{"Text", TEncoding::E_TEXT, kMixed},
                      EncodationCase{"TextLowerCase", TEncoding::E_TEXT, "lower case text 99"},
                      EncodationCase{"Base256", TEncoding::E_BASE256, kMixed},
                      EncodationCase{"Base256TwoByteLength", TEncoding::E_BASE256, std::string(300, '\xA5')},
                      EncodationCase{"Auto", TEncoding::E_AUTO, kMixed},
                      EncodationCase{"AutoCapitalsAndDigits", TEncoding::E_AUTO, "ABCDEFGHIJ0123456789KLMNOP"},
                      EncodationCase{"AutoBinary", TEncoding::E_AUTO, "\x80\x81\x82\x83\x84\x85\x86\x87 A"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NoneEncodation, CodesAreReadAsCodewords) {
    // ASCII codewords are the character code + 1.
    const auto symbol = EncodeText("Ifmmp", TEncoding::E_NONE);
    ASSERT_TRUE(symbol);
    EXPECT_EQ(DecodeWithZXing(symbol->matrix), "Hello");
    EXPECT_EQ(DecodeWithLibdmtx(symbol->matrix), "Hello");
}

// Runs of capitals, lower case, digits, high bytes and punctuation make the automatic
// encodation switch modes.
std::string MixedRuns(std::mt19937& rng) {
    std::string code;
    for (int run = 1 + int(rng() % 6); run > 0; --run) {
        const unsigned kind = rng() % 5;
        for (unsigned k = 1 + rng() % 12; k > 0; --k) {
            const char base[] = {'A', 'a', '0'};
            code += kind < 3 ? char(base[kind] + rng() % (kind == 2 ? 10 : 26))
                    : kind == 3 ? char(128 + rng() % 128) : char(32 + rng() % 95);
        }
    }
    return code;
}

std::string RandomString(std::mt19937& rng, int kind) {
    if (kind == 4) return MixedRuns(rng);
    std::string code;
    const std::size_t length = kind == 3 ? 200 + rng() % 500 : 1 + rng() % 60;
    for (std::size_t k = 0; k < length; ++k) {
        switch (kind) {
        case 0: code += static_cast<char>(32 + rng() % 95); break;  // printable ASCII
        case 1: code += static_cast<char>(rng() % 256); break;      // any byte, Latin-1 above 127
        case 2: code += static_cast<char>('0' + rng() % 10); break;
        default: code += static_cast<char>(rng() % 4 ? 'a' + rng() % 26 : ' '); break;  // long text
        }
    }
    return code;
}

// A few hundred random strings of five kinds in every encodation, fixed seed. libdmtx is
// slow on large symbols, so it reads the shorter ones.
TEST(RandomStrings, DecodeWithTheRightBytes) {
    std::mt19937 rng(20261211);
    const TEncoding encodings[] = {TEncoding::E_ASCII, TEncoding::E_C40, TEncoding::E_TEXT, TEncoding::E_BASE256,
                                   TEncoding::E_AUTO, TEncoding::E_AUTO};
    for (int i = 0; i < 400; ++i) {
        const std::string code = RandomString(rng, i % 5);
        const TEncoding encoding = encodings[i % 6];
        SCOPED_TRACE(::testing::Message() << "string " << i << " encoding " << int(encoding));
        ExpectBothDecode(code, encoding, TFormat::AUTO, code.size() <= 80);
        if (::testing::Test::HasFailure()) break;
    }
}

TEST(TildeData, DecodesToTheProcessedBytes) {
    const auto symbol = EncodeText("~d065~@x~Jy~~z", TEncoding::E_AUTO, TFormat::AUTO, true);
    ASSERT_TRUE(symbol);
    const std::string expected("A\0x\ny~z", 7);
    EXPECT_EQ(DecodeWithZXing(symbol->matrix), expected);
    EXPECT_EQ(DecodeWithLibdmtx(symbol->matrix), expected);
}

}  // namespace
}  // namespace tessaly::datamatrix
