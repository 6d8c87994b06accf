// The exception the barcode engine raises; its message is the text shown to the user.
#pragma once

#include <stdexcept>
#include <string>

namespace tessaly::barcode {

class BarcodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The class name the engine's messages carry in place of "%s".
inline constexpr const char* kEngineClassName = "TAsBarcode";

} // namespace tessaly::barcode
