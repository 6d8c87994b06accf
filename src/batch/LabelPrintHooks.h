// The label-shape operations a print run needs, taken from labelshapes.
#pragma once

#include "print/SheetAssembler.h"

namespace tessaly::batch {

// ResolvePage, PageUsesSource and the output-mode switch ("Normale" or "Fin") of labelshapes.
print::PrintHooks LabelPrintHooks();

} // namespace tessaly::batch
