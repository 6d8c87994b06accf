// Rendering of a module matrix and the two decoders.
#include "Decoders.h"

#include <ZXing/ReadBarcode.h>
#include <dmtx.h>

#include <vector>

namespace tessaly::datamatrix::testing {

namespace {

constexpr int kQuietModules = 3;

struct Image {
    int width = 0, height = 0;
    std::vector<unsigned char> pixels;  // 8-bit grey, 0 dark
};

Image Render(const ModuleMatrix& m, int pixelsPerModule) {
    Image image;
    image.width = (m.columns + 2 * kQuietModules) * pixelsPerModule;
    image.height = (m.rows + 2 * kQuietModules) * pixelsPerModule;
    image.pixels.assign(std::size_t(image.width * image.height), 255);
    for (int y = 0; y < m.rows; ++y)
        for (int x = 0; x < m.columns; ++x)
            if (m.dark(x, y))
                for (int dy = 0; dy < pixelsPerModule; ++dy)
                    for (int dx = 0; dx < pixelsPerModule; ++dx) {
                        const int px = (x + kQuietModules) * pixelsPerModule + dx;
                        const int py = (y + kQuietModules) * pixelsPerModule + dy;
                        image.pixels[std::size_t(py * image.width + px)] = 0;
                    }
    return image;
}

}  // namespace

std::optional<std::string> DecodeWithZXing(const ModuleMatrix& matrix) {
    const Image image = Render(matrix, 3);
    const ZXing::ImageView view(image.pixels.data(), image.width, image.height, ZXing::ImageFormat::Lum);
    const auto hints = ZXing::DecodeHints().setFormats(ZXing::BarcodeFormat::DataMatrix).setIsPure(true);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid()) return std::nullopt;
    const auto& bytes = result.bytes();
    return std::string(bytes.begin(), bytes.end());
}

std::optional<std::string> DecodeWithLibdmtx(const ModuleMatrix& matrix) {
    Image image = Render(matrix, 3);  // at 2 pixels libdmtx misses some small symbols
    DmtxImage* img = dmtxImageCreate(image.pixels.data(), image.width, image.height, DmtxPack8bppK);
    DmtxDecode* dec = dmtxDecodeCreate(img, 1);
    std::optional<std::string> decoded;
    DmtxTime timeout = dmtxTimeAdd(dmtxTimeNow(), 5000);
    if (DmtxRegion* reg = dmtxRegionFindNext(dec, &timeout)) {
        if (DmtxMessage* msg = dmtxDecodeMatrixRegion(dec, reg, DmtxUndefined)) {
            decoded = std::string(reinterpret_cast<const char*>(msg->output), msg->outputIdx);
            dmtxMessageDestroy(&msg);
        }
        dmtxRegionDestroy(&reg);
    }
    dmtxDecodeDestroy(&dec);
    dmtxImageDestroy(&img);
    return decoded;
}

}  // namespace tessaly::datamatrix::testing
