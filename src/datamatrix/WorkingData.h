// The data handed to the encodations: the bytes of `Code`, optionally after tilde processing,
// with the function marks that tilde sequences put on single characters.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tessaly::datamatrix {

// Codewords with a fixed meaning.
namespace codeword {
inline constexpr std::uint8_t Pad = 129;
inline constexpr std::uint8_t LatchC40 = 230;
inline constexpr std::uint8_t LatchBase256 = 231;
inline constexpr std::uint8_t FNC1 = 232;
inline constexpr std::uint8_t StructuredAppend = 233;
inline constexpr std::uint8_t ReaderProgramming = 234;
inline constexpr std::uint8_t UpperShift = 235;
inline constexpr std::uint8_t Macro05 = 236;
inline constexpr std::uint8_t Macro06 = 237;
inline constexpr std::uint8_t LatchText = 239;
inline constexpr std::uint8_t ECI = 241;
inline constexpr std::uint8_t Unlatch = 254;
}  // namespace codeword

// A character that stands for a function codeword rather than for data.
struct FunctionMark {
    bool function = false;
    std::uint8_t parameterCount = 0;
    std::array<std::uint8_t, 3> parameters{};
};

struct WorkingData {
    std::vector<std::uint8_t> bytes;
    std::vector<FunctionMark> marks;  // empty, or one per byte

    std::size_t size() const { return bytes.size(); }
    bool empty() const { return bytes.empty(); }
    bool isFunction(std::size_t i) const { return !marks.empty() && marks[i].function; }
    // A digit that is data (function characters are never digits).
    bool isDigit(std::size_t i) const { return bytes[i] >= '0' && bytes[i] <= '9'; }

    void clear() {
        bytes.clear();
        marks.clear();
    }
};

// `code` as it is, one byte per character.
void TakePlain(std::string_view code, WorkingData& out);

// `code` with its tilde escapes interpreted: ~@ to ~Z control characters, ~~, ~1 FNC1, ~2
// Structured Append, ~3 ~5 ~6 reader programming and macros, ~7 ECI, ~d decimal character.
// An unknown escape loses its "~".
void ProcessTilde(std::string_view code, WorkingData& out);

}  // namespace tessaly::datamatrix
