// Encoding a text into the module string of a symbology (no widths, no painting).
#pragma once

#include "barcode/BarcodeTypes.h"
#include "barcode/Modules.h"

#include <string_view>

namespace tessaly::barcode {

struct EncodeOptions {
    bool checksum = false;                      // add the optional check character
    TCheckSumMethod method = csmModulo10;       // how that check character is computed
};

// Checks `text` for the symbology and encodes it. The result holds the module string
// (empty for a blank text) and the text as the symbology rewrites it. Throws BarcodeError
// with the user-facing message ("Numeric/Numerique", "Invalid Text len (EAN13)" ...).
Encoding encode(TBarcodeType type, std::string_view text, const EncodeOptions& options = {});

// The same, reusing the buffers of `out` (for loops over many values).
void encode(TBarcodeType type, std::string_view text, const EncodeOptions& options, Encoding& out);

} // namespace tessaly::barcode
