// Independent readers for the symbols under test: the matrix is rendered to an 8-bit image
// with a quiet zone and decoded by ZXing-C++ or libdmtx.
#pragma once

#include <optional>
#include <string>

#include "datamatrix/ModuleMatrix.h"

namespace tessaly::datamatrix::testing {

// The decoded bytes, or nothing when the reader finds no valid symbol.
std::optional<std::string> DecodeWithZXing(const ModuleMatrix& matrix);
std::optional<std::string> DecodeWithLibdmtx(const ModuleMatrix& matrix);

}  // namespace tessaly::datamatrix::testing
