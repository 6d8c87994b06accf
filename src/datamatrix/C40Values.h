// The C40 and Text values of each byte: the basic set, the three shift sets and the upper
// shift for bytes of 128 and more.
#pragma once

#include <array>
#include <cstdint>

namespace tessaly::datamatrix {

struct C40Values {
    std::uint8_t count = 0;
    std::array<std::uint8_t, 4> values{};
};

inline constexpr std::uint8_t kC40Shift1 = 0;
inline constexpr std::uint8_t kC40Shift2 = 1;
inline constexpr std::uint8_t kC40Shift3 = 2;
inline constexpr std::uint8_t kC40FNC1 = 27;        // in the Shift 2 set
inline constexpr std::uint8_t kC40UpperShift = 30;  // in the Shift 2 set

namespace detail {

constexpr C40Values Single(int value) { return {1, {static_cast<std::uint8_t>(value)}}; }
constexpr C40Values Shifted(int shift, int value) {
    return {2, {static_cast<std::uint8_t>(shift), static_cast<std::uint8_t>(value)}};
}

// Values of a byte below 128; `text` swaps the case of letters.
constexpr C40Values Basic(int c, bool text) {
    if (c == ' ') return Single(3);
    if (c >= '0' && c <= '9') return Single(c - '0' + 4);
    if (c >= 'A' && c <= 'Z') return text ? Shifted(kC40Shift3, c - 'A' + 1) : Single(c - 'A' + 14);
    if (c >= 'a' && c <= 'z') return text ? Single(c - 'a' + 14) : Shifted(kC40Shift3, c - 'a' + 1);
    if (c < 32) return Shifted(kC40Shift1, c);
    if (c <= 47) return Shifted(kC40Shift2, c - 33);
    if (c <= 64) return Shifted(kC40Shift2, c - 58 + 15);
    if (c <= 95) return Shifted(kC40Shift2, c - 91 + 22);
    if (c == 96) return Shifted(kC40Shift3, 0);
    return Shifted(kC40Shift3, c - 123 + 27);
}

constexpr std::array<C40Values, 256> MakeTable(bool text) {
    std::array<C40Values, 256> table{};
    for (int c = 0; c < 256; ++c) {
        if (c < 128) {
            table[c] = Basic(c, text);
            continue;
        }
        const C40Values low = Basic(c - 128, text);
        C40Values& entry = table[c];
        entry.count = static_cast<std::uint8_t>(2 + low.count);
        entry.values = {kC40Shift2, kC40UpperShift, low.values[0], low.values[1]};
    }
    return table;
}

inline constexpr std::array<C40Values, 256> kC40Table = MakeTable(false);
inline constexpr std::array<C40Values, 256> kTextTable = MakeTable(true);

}  // namespace detail

inline const C40Values& ValuesOf(std::uint8_t c, bool text) {
    return text ? detail::kTextTable[c] : detail::kC40Table[c];
}

}  // namespace tessaly::datamatrix
