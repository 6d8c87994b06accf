// Page thumbnails as 24-bit BMP files ("Thumb%.4d.bmp" streams).
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

namespace tessaly::document {

// A complete bottom-up 24-bit BMP file (14-byte file header, 40-byte info header, rows padded
// to 4 bytes, no palette); alpha is dropped. A null image gives an empty array.
QByteArray ThumbnailToBmp(const QImage& image);
// Reads a BMP file (24-bit natively, other depths through Qt). Damaged data: a null image.
QImage BmpToThumbnail(QByteArrayView bytes);

} // namespace tessaly::document
