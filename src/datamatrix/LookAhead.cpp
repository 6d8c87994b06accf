// The look-ahead of the automatic encodation: estimated codeword counts per mode, kept in
// hundredths so the comparisons are exact.
#include <optional>

#include "datamatrix/C40Values.h"
#include "datamatrix/EncoderContext.h"

namespace tessaly::datamatrix {

namespace {

struct Counts {
    int ascii, c40, text, base256;
};

Counts StartCounts(Mode current) {
    if (current == Mode::Ascii) return {0, 100, 100, 125};
    Counts counts{100, 200, 200, 225};
    switch (current) {
    case Mode::C40: counts.c40 = 0; break;
    case Mode::Text: counts.text = 0; break;
    case Mode::Base256: counts.base256 = 0; break;
    case Mode::Ascii: break;
    }
    return counts;
}

// Rounds halves up, keeping hundredths.
int RoundUp(int hundredths) { return (hundredths + 50) / 100 * 100; }

int C40Cost(std::uint8_t c, bool text) {
    if (ValuesOf(c, text).count == 1) return 66;
    return c < 128 ? 133 : 266;
}

void Count(Counts& n, std::uint8_t c) {
    if (c >= '0' && c <= '9')
        n.ascii += 50;
    else
        n.ascii = RoundUp(n.ascii) + (c >= 128 ? 200 : 100);
    n.c40 += C40Cost(c, false);
    n.text += C40Cost(c, true);
    n.base256 += 100;
}

// The choice once five characters or more are counted, if the counts are clear enough.
std::optional<Mode> DecideWhileCounting(const Counts& n) {
    if (n.ascii + 100 <= n.c40 && n.ascii + 100 <= n.text && n.ascii + 100 <= n.base256)
        return Mode::Ascii;
    if (n.base256 + 100 <= n.ascii || (n.base256 + 100 < n.c40 && n.base256 + 100 < n.text))
        return Mode::Base256;
    if (n.text + 100 < n.ascii && n.text + 100 < n.c40 && n.text + 100 < n.base256) return Mode::Text;
    if (n.c40 + 100 < n.ascii && n.c40 + 100 < n.text && n.c40 + 100 < n.base256) return Mode::C40;
    return std::nullopt;
}

// The choice at the end of the data, on whole counts.
Mode DecideAtEnd(Counts n) {
    n = {RoundUp(n.ascii), RoundUp(n.c40), RoundUp(n.text), RoundUp(n.base256)};
    if (n.ascii <= n.c40 && n.ascii <= n.text && n.ascii <= n.base256) return Mode::Ascii;
    if (n.text < n.ascii && n.text < n.c40 && n.text < n.base256) return Mode::Text;
    if (n.base256 < n.ascii && n.base256 < n.c40 && n.base256 < n.text) return Mode::Base256;
    return Mode::C40;
}

}  // namespace

Mode LookAhead(const WorkingData& data, std::size_t position, Mode current) {
    Counts counts = StartCounts(current);
    int counted = 0;
    for (std::size_t i = position; i < data.size(); ++i) {
        if (data.isFunction(i)) return Mode::Ascii;
        Count(counts, data.bytes[i]);
        if (++counted >= 5) {
            if (const auto decided = DecideWhileCounting(counts)) return *decided;
        }
    }
    return DecideAtEnd(counts);
}

}  // namespace tessaly::datamatrix
