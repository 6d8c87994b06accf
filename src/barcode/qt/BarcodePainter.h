// Draws the geometry of the barcode engine on any QPainter (screen, image, printer, PDF).
#pragma once

#include "barcode/AsBarcode.h"
#include "barcode/Geometry.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <string_view>

class QPainter;
class QPaintDevice;

namespace tessaly::barcode {

// The colour of a $00BBGGRR value.
QColor colorFromValue(std::uint32_t value);

// Text bytes as stored (Windows-1252) to a QString.
QString fromWindows1252(std::string_view bytes);

// The font of the text line: the face and height of `fontSpec` (negative heights are the
// character height in device pixels, positive ones the cell height), normal weight, no
// italic, underline or strike-out.
QFont textLineFont(const TFontSpec& fontSpec, const QPaintDevice* device = nullptr);

// Measures texts in `font` on `device` (width and full line height), for TAsBarcode::Layout.
MeasureText measureWith(const QFont& font, const QPaintDevice* device = nullptr);

// Draws bars as filled polygons outlined with a one-unit pen of their colour (no
// anti-aliasing, so bars cover whole device pixels), then the texts in `font` and
// `textColor`, rotated by the geometry's text angle about their top-left corner, on a
// transparent background. The painter's state is restored afterwards.
void drawGeometry(QPainter& painter, const BarcodeGeometry& geometry, const QFont& font,
                  const QColor& textColor);

// Encodes and paints `barcode` with its own font and colours: Layout then drawGeometry.
// The painter's coordinates are the engine's device units. Throws BarcodeError (nothing is
// painted then); encoding may rewrite the barcode's Text and Ratio.
void PaintBarcode(QPainter& painter, TAsBarcode& barcode);

} // namespace tessaly::barcode
