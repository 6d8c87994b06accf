// The program's label shapes bound into a run: resolution, the page check and the barcode
// output mode of labelshapes.
#pragma once

#include "print/SheetAssembler.h"

namespace tessaly::print {

// `PrepareBarcodeQuality` on a label copy: "Normale" (normal set) or "Fin" for every barcode and
// DataMatrix shape on it, with their rotation nudge.
void PrepareBarcodeQuality(document::TdtpShape& labelCopy, bool normal);

// Hooks calling labelshapes::ResolvePage, labelshapes::PageUsesSource and PrepareBarcodeQuality.
// Registers the label shape classes. Extended pictures are left as they are until their shape exists.
PrintHooks LabelShapeHooks();

} // namespace tessaly::print
