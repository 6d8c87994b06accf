// Start-up registration of the program's shapes and the output-mode switch of a print run.
#pragma once

#include "labelshapes/ValueShape.h"

namespace tessaly::document { class TdtpShape; }

namespace tessaly::labelshapes {

// Registers the barcode, DataMatrix and extended text shape classes with the shape registry (idempotent), so
// that documents recreate them by class name.
void RegisterLabelShapes();

// Applies the output-mode switch of `quality` to every barcode and DataMatrix shape below
// `page` (children of groups included).
void SetPageOutputMode(document::TdtpShape& page, TBarcodeQuality quality);

} // namespace tessaly::labelshapes
