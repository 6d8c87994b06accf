// 24-bit BMP files of page thumbnails: exact bytes on writing, bounds-checked reading.
#include "document/storage/BmpThumbnail.h"

#include <QtEndian>

namespace tessaly::document {

namespace {

constexpr qint64 kFileHeaderSize = 14;
constexpr qint64 kInfoHeaderSize = 40;
constexpr qint64 kPixelOffset = kFileHeaderSize + kInfoHeaderSize;

qint64 RowSize(qint64 width)
{
    return (width * 3 + 3) / 4 * 4;
}

template <typename T> void Put(QByteArray& bytes, qint64 at, T value)
{
    qToLittleEndian<T>(value, bytes.data() + at);
}

template <typename T> T Get(QByteArrayView bytes, qint64 at)
{
    return qFromLittleEndian<T>(bytes.data() + at);
}

} // namespace

QByteArray ThumbnailToBmp(const QImage& image)
{
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const qint64 width = rgb.width();
    const qint64 height = rgb.height();
    const qint64 rowSize = RowSize(width);
    QByteArray bytes(kPixelOffset + rowSize * height, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put<quint32>(bytes, 2, static_cast<quint32>(bytes.size()));
    Put<quint32>(bytes, 10, kPixelOffset);
    Put<quint32>(bytes, 14, kInfoHeaderSize);
    Put<qint32>(bytes, 18, static_cast<qint32>(width));
    Put<qint32>(bytes, 22, static_cast<qint32>(height));   // positive: bottom row first
    Put<quint16>(bytes, 26, 1);                            // planes
    Put<quint16>(bytes, 28, 24);                           // bits per pixel
    Put<quint32>(bytes, 34, static_cast<quint32>(rowSize * height));
    for (qint64 y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(static_cast<int>(y)));
        char* out = bytes.data() + kPixelOffset + (height - 1 - y) * rowSize;
        for (qint64 x = 0; x < width; ++x) {
            *out++ = static_cast<char>(qBlue(line[x]));
            *out++ = static_cast<char>(qGreen(line[x]));
            *out++ = static_cast<char>(qRed(line[x]));
        }
    }
    return bytes;
}

QImage BmpToThumbnail(QByteArrayView bytes)
{
    if (bytes.size() < kPixelOffset || bytes[0] != 'B' || bytes[1] != 'M')
        return {};
    const qint64 pixelOffset = Get<quint32>(bytes, 10);
    const qint64 width = Get<qint32>(bytes, 18);
    const qint64 signedHeight = Get<qint32>(bytes, 22);
    const bool plain24 = Get<quint32>(bytes, 14) >= kInfoHeaderSize &&
                         Get<quint16>(bytes, 28) == 24 && Get<quint32>(bytes, 30) == 0;
    if (!plain24)
        return QImage::fromData(bytes, "BMP");
    const qint64 height = signedHeight < 0 ? -signedHeight : signedHeight;
    const qint64 rowSize = RowSize(width);
    if (width <= 0 || height <= 0 || width > 32767 || height > 32767 ||
        pixelOffset > bytes.size() || rowSize * height > bytes.size() - pixelOffset)
        return {};
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    for (qint64 y = 0; y < height; ++y) {
        const qint64 row = signedHeight < 0 ? y : height - 1 - y;
        const auto* in = reinterpret_cast<const uchar*>(bytes.data() + pixelOffset + row * rowSize);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (qint64 x = 0; x < width; ++x, in += 3)
            line[x] = qRgb(in[2], in[1], in[0]);
    }
    return image;
}

} // namespace tessaly::document
