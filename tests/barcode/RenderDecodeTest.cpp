// Barcodes painted through the QPainter adapter and read back by ZXing: every symbology a
// reader knows must decode to the value it was given.
#define ZX_USE_UTF8 1
#include "TestHelpers.h"
#include "barcode/AsBarcode.h"
#include "barcode/qt/BarcodePainter.h"

#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace tessaly::barcode {
namespace {

using ZXing::BarcodeFormat;

constexpr int kModule = 3;    // pixels per narrow module
constexpr int kQuiet = 20 * kModule;

struct DecodeCase {
    const char* name;
    TBarcodeType type;
    std::string text;
    bool checksum;
    BarcodeFormat format;
    std::string expected;
    TBarcodeOption show = bcoNone;
};

// White image with the barcode painted at 3 pixels per module inside a wide quiet zone.
QImage render(TAsBarcode& barcode)
{
    barcode.SetModul(kModule);
    barcode.SetHeight(40 * kModule);
    barcode.SetLeft(kQuiet);
    barcode.SetTop(kQuiet);
    const int width = barcode.Width();
    QImage image(width + 2 * kQuiet + 14 * kModule, 40 * kModule + 2 * kQuiet + 20 * kModule,
                 QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintBarcode(painter, barcode);
    painter.end();
    return image;
}

ZXing::Result decode(const QImage& image, BarcodeFormat format, bool code39FullAscii)
{
    const ZXing::ImageView view(image.constBits(), image.width(), image.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(image.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    hints.setTryCode39ExtendedMode(code39FullAscii);
    hints.setTryRotate(false);
    return ZXing::ReadBarcode(view, hints);
}

class RenderDecode : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(RenderDecode, ZXingReadsTheValue)
{
    const DecodeCase& c = GetParam();
    TAsBarcode barcode;
    barcode.SetTyp(c.type);
    barcode.SetText(c.text);
    barcode.SetChecksum(c.checksum);
    barcode.SetShowText(c.show);
    barcode.SetShowTextPosition(stpBottomLeft);
    const QImage image = render(barcode);
    const ZXing::Result result = decode(image, c.format, c.type == bcCode39Extended);
    ASSERT_TRUE(result.isValid()) << "nothing read for " << c.text;
    EXPECT_EQ(result.text(), c.expected);
}

const std::string kFnc1Text(1, kFnc1);
const std::string kGs(1, '\x1d');

INSTANTIATE_TEST_SUITE_P(
    Barcode, RenderDecode,
    ::testing::Values(
        DecodeCase{"Ean8WithKey", bcCodeEAN8, "9638507", true, BarcodeFormat::EAN8, "96385074"},
        DecodeCase{"Ean8Complete", bcCodeEAN8, "00000000", false, BarcodeFormat::EAN8, "00000000"},
        DecodeCase{"Ean8WithDigitsShown", bcCodeEAN8, "55123457", false, BarcodeFormat::EAN8,
                   "55123457", bcoCode},
        DecodeCase{"Ean13WithKey", bcCodeEAN13, "590123412345", true, BarcodeFormat::EAN13,
                   "5901234123457"},
        DecodeCase{"Ean13Padded", bcCodeEAN13, "123", true, BarcodeFormat::EAN13, "0000000001236"},
        DecodeCase{"Ean13Complete", bcCodeEAN13, "9780201379624", false, BarcodeFormat::EAN13,
                   "9780201379624"},
        DecodeCase{"Ean13WithDigitsShown", bcCodeEAN13, "4006381333931", false,
                   BarcodeFormat::EAN13, "4006381333931", bcoCode},
        DecodeCase{"UpcAWithKey", bcCodeUPC_A, "03600029145", true, BarcodeFormat::UPCA,
                   "036000291452"},
        DecodeCase{"UpcAComplete", bcCodeUPC_A, "012345678905", false, BarcodeFormat::UPCA,
                   "012345678905"},
        // UPC-E: values whose 6-digit check agrees with the expanded UPC-A check (see the
        // deviations in the engine notes): last digit 5-9 with number system 0.
        DecodeCase{"UpcE0", bcCodeUPC_E0, "123456", true, BarcodeFormat::UPCE, "01234565"},
        DecodeCase{"UpcE0Other", bcCodeUPC_E0, "654329", true, BarcodeFormat::UPCE, "06543297"},
        DecodeCase{"Code39", bcCode39, "CODE39-TEST", false, BarcodeFormat::Code39, "CODE39-TEST"},
        DecodeCase{"Code39AllSymbols", bcCode39, "A1 -.$/+%", false, BarcodeFormat::Code39,
                   "A1 -.$/+%"},
        DecodeCase{"Code39WithCheck", bcCode39, "AB", true, BarcodeFormat::Code39, "ABL"},
        DecodeCase{"Code39Extended", bcCode39Extended, "Hello, World! @#~", false,
                   BarcodeFormat::Code39, "Hello, World! @#~"},
        DecodeCase{"Code93", bcCode93, "CODE 93", false, BarcodeFormat::Code93, "CODE 93"},
        DecodeCase{"Code93LongWrapsWeights", bcCode93, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789",
                   false, BarcodeFormat::Code93, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"},
        DecodeCase{"Code93Extended", bcCode93Extended, "abc:xyz/*", false, BarcodeFormat::Code93,
                   "abc:xyz/*"},
        DecodeCase{"Code128A", bcCode128A, "HELLO_[0]^", false, BarcodeFormat::Code128, "HELLO_[0]^"},
        DecodeCase{"Code128B", bcCode128B, "Hello World ~{|}", false, BarcodeFormat::Code128,
                   "Hello World ~{|}"},
        DecodeCase{"Code128BOneChar", bcCode128B, "x", false, BarcodeFormat::Code128, "x"},
        DecodeCase{"Code128C", bcCode128C, "12345678", false, BarcodeFormat::Code128, "12345678"},
        DecodeCase{"Code128COdd", bcCode128C, "12345", false, BarcodeFormat::Code128, "012345"},
        DecodeCase{"Code128CInnerFnc1", bcCode128C, "12" + kFnc1Text + "345", false,
                   BarcodeFormat::Code128, "012" + kGs + "345"},
        DecodeCase{"Ean128C", bcCodeEAN128C, "0195012345678903", false, BarcodeFormat::Code128,
                   "0195012345678903"},
        DecodeCase{"Ean128CTwoFields", bcCodeEAN128C, "10123" + kFnc1Text + "0195012345678903",
                   false, BarcodeFormat::Code128, "010123" + kGs + "0195012345678903"},
        DecodeCase{"Ean128B", bcCodeEAN128B, "10ABC123", false, BarcodeFormat::Code128, "10ABC123"},
        DecodeCase{"Ean128A", bcCodeEAN128A, "21XYZ", false, BarcodeFormat::Code128, "21XYZ"},
        DecodeCase{"Ean128CWithCheck", bcCodeEAN128C, "0012345678901234567", true,
                   BarcodeFormat::Code128, "00123456789012345675"},
        DecodeCase{"Interleaved", bcCode_2_5_interleaved, "12345670", false, BarcodeFormat::ITF,
                   "12345670"},
        DecodeCase{"InterleavedOdd", bcCode_2_5_interleaved, "1234567", false, BarcodeFormat::ITF,
                   "01234567"},
        DecodeCase{"InterleavedLong", bcCode_2_5_interleaved, "00012345678905", false,
                   BarcodeFormat::ITF, "00012345678905"},
        DecodeCase{"Codabar", bcCodeCodabar, "40156", false, BarcodeFormat::Codabar, "40156"},
        DecodeCase{"CodabarSymbols", bcCodeCodabar, "12-$:/.+90", false, BarcodeFormat::Codabar,
                   "12-$:/.+90"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessaly::barcode

namespace tessaly::barcode {
namespace {

// Bars cover exactly their width in pixels: a row through the bars reproduces the module
// string scaled by the module width.
TEST(RenderPixels, BarsCoverWholeModules)
{
    TAsBarcode barcode;
    barcode.SetTyp(bcCode128B);
    barcode.SetText("Tessaly 1");
    const QImage image = render(barcode);
    const Encoding encoding = encode(bcCode128B, "Tessaly 1");
    const std::string expected = test::toBits(encoding.modules, moduleWidths(kModule, 2.0));
    const uchar* row = image.constScanLine(kQuiet + 20);
    std::string seen;
    for (int x = kQuiet; x < kQuiet + static_cast<int>(expected.size()); ++x)
        seen.push_back(row[x] < 128 ? '1' : '0');
    EXPECT_EQ(seen, expected);
    EXPECT_GT(image.constScanLine(kQuiet + 20)[kQuiet - 1], 128); // quiet zone left white
}

// A quarter turn still reads, from the rotated image.
TEST(RenderDecodeRotated, QuarterTurnDecodes)
{
    TAsBarcode barcode;
    barcode.SetTyp(bcCode39);
    barcode.SetText("ROTATED 90");
    barcode.SetModul(kModule);
    barcode.SetHeight(40 * kModule);
    barcode.SetAngle(90);
    barcode.SetLeft(kQuiet);
    barcode.SetTop(kQuiet);
    const int width = barcode.Width();
    QImage image(40 * kModule + 2 * kQuiet, width + 2 * kQuiet, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintBarcode(painter, barcode);
    painter.end();
    const ZXing::ImageView view(image.constBits(), image.width(), image.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(image.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(BarcodeFormat::Code39);
    hints.setTryRotate(true);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    ASSERT_TRUE(result.isValid());
    EXPECT_EQ(result.text(), "ROTATED 90");
}

} // namespace
} // namespace tessaly::barcode
