// Drawing a shape tree straight onto a print device (PDF writer, printer, image painter): shapes
// that can paint themselves as vectors do so at their place, any other shape is rendered through
// the bitmap pipeline at the device's resolution and placed as an image.
#pragma once

#include "document/core/Shape.h"

#include <QTransform>

class QPainter;

namespace tessaly::document {

// Draws `root` (a page) and its visible children on `canvas`. `rootToDevice` maps the root's
// millimetres to the painter's coordinates; `dc.DeviceDpm` is the device's pixels per millimetre.
// Returns false, drawing nothing, when the root itself cannot be drawn this way.
bool RenderVector(TdtpShape& root, QPainter& canvas, const QTransform& rootToDevice, const TDeviceContext& dc);

}  // namespace tessaly::document
