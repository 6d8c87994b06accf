// Internal: the encoder of each symbology family. Each reads `out.text` (already checked
// by the dispatcher), may rewrite it, and appends to `out.modules`.
#pragma once

#include "barcode/Encoder.h"

#include <string>

namespace tessaly::barcode::detail {

void encodeTwoOfFive(TBarcodeType type, Encoding& out);
void encodeCode39(std::string_view data, bool checksum, std::string& modules);
void encodeCode93(std::string_view data, std::string_view originalText, std::string& modules);
void encodeCode128(TBarcodeType type, const EncodeOptions& options, Encoding& out);
void encodeEanUpc(TBarcodeType type, const EncodeOptions& options, Encoding& out);
void encodeMsi(std::string_view digits, std::string& modules);
void encodePostNet(std::string_view digits, std::string& modules);
void encodeCodabar(std::string_view data, std::string& modules);

// The full-ASCII form of a text for Code 39 (shifts "$%/+") or Code 93 (shifts "[]{}").
// Characters of 128 and above are dropped.
std::string fullAscii(std::string_view text, std::string_view shifts);

// Appends the check digit of the method (nothing for csmNone).
void appendCheckDigit(std::string& digits, TCheckSumMethod method);

} // namespace tessaly::barcode::detail
