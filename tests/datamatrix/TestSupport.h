// Helpers of the DataMatrix tests: encode in one call, print codewords readably.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "datamatrix/Symbol.h"

namespace tessaly::datamatrix::testing {

inline std::optional<EncodedSymbol> EncodeText(std::string_view code, TEncoding encoding,
                                               TFormat preferred = TFormat::AUTO, bool tilde = false) {
    SymbolEncoder encoder;
    EncodedSymbol symbol;
    if (!encoder.encode(code, encoding, preferred, tilde, symbol)) return std::nullopt;
    return symbol;
}

// "142 164 186"
inline std::string Spaced(std::span<const std::uint8_t> codewords) {
    std::string text;
    for (const auto value : codewords) {
        if (!text.empty()) text += ' ';
        text += std::to_string(value);
    }
    return text;
}

}  // namespace tessaly::datamatrix::testing
