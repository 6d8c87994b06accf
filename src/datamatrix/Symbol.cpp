// The symbol pipeline shared by TDatamatrix, the tests and the benchmark.
#include "datamatrix/Symbol.h"

#include "datamatrix/Placement.h"
#include "datamatrix/ReedSolomon.h"

namespace tessaly::datamatrix {

namespace {

// No encodation needs less than one codeword for two characters, so longer data fits no size.
constexpr std::size_t kLongestData = 2 * 1558 + 2;

}  // namespace

void AppendPads(std::vector<std::uint8_t>& codewords, std::size_t capacity) {
    if (codewords.size() < capacity) codewords.push_back(codeword::Pad);
    while (codewords.size() < capacity) {
        const std::size_t position = codewords.size() + 1;
        const int value = codeword::Pad + static_cast<int>((149 * position) % 253) + 1;
        codewords.push_back(static_cast<std::uint8_t>(value > 254 ? value - 254 : value));
    }
}

bool SymbolEncoder::encode(std::string_view code, TEncoding encoding, TFormat preferred, bool processTilde,
                           EncodedSymbol& out) {
    if (processTilde)
        ProcessTilde(code, data);
    else
        TakePlain(code, data);
    if (data.empty() || data.size() > kLongestData) return false;

    Encode(data, encoding, encodation);
    std::vector<std::uint8_t>& codewords = encodation.codewords;
    const auto choice = ChooseFormat(codewords.size(), preferred, encodation.optionalUnlatch.has_value());
    if (!choice) return false;
    if (choice->dropsFinalUnlatch)
        codewords.erase(codewords.begin() + static_cast<std::ptrdiff_t>(*encodation.optionalUnlatch));

    const SymbolAttributes& symbol = Attributes(choice->format);
    const auto capacity = static_cast<std::size_t>(symbol.dataCodewords);
    // A final unlatch that exactly fills the symbol becomes a pad.
    if (codewords.size() == capacity && encodation.endsInC40OrText && encodation.pendingValues == 0 &&
        codewords.back() == codeword::Unlatch)
        codewords.back() = codeword::Pad;
    AppendPads(codewords, capacity);
    AppendErrorCorrection(codewords, symbol);

    out.format = choice->format;
    out.codewords.assign(codewords.begin(), codewords.end());
    PlaceCodewords(out.codewords, out.format, out.matrix);
    return true;
}

}  // namespace tessaly::datamatrix
