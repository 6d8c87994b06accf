// Encoding 1,000,000 values into module strings and widths, per symbology, next to libzint's
// ZBarcode_Encode on the same values.
#include "barcode/Encoder.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#ifdef TESSALY_BENCH_ZINT
#include <zint.h>
#endif

namespace {

using namespace tessaly::barcode;

constexpr int kValues = 1'000'000;

// Article-like values: a prefix and a counter, so every value differs.
std::vector<std::string> makeValues(const char* prefix, int digits)
{
    std::vector<std::string> values;
    values.reserve(kValues);
    long long modulus = 1;
    for (int d = 0; d < digits; ++d)
        modulus *= 10;
    for (int i = 0; i < kValues; ++i) {
        std::string number = std::to_string(i * 7919LL % modulus);
        if (static_cast<int>(number.size()) < digits)
            number.insert(0, digits - number.size(), '0');
        values.push_back(prefix + number);
    }
    return values;
}

const std::vector<std::string>& code128Values()
{
    static const auto values = makeValues("Art-", 8); // "Art-00123456"
    return values;
}
const std::vector<std::string>& ean13Values()
{
    static const auto values = makeValues("400", 9); // 12 digits, key computed by the encoder
    return values;
}
const std::vector<std::string>& code39Values()
{
    static const auto values = makeValues("REF-", 8);
    return values;
}

void encodeAll(benchmark::State& state, TBarcodeType type, const std::vector<std::string>& values,
               bool checksum)
{
    Encoding out;
    const EncodeOptions options{checksum, csmModulo10};
    for (auto _ : state) {
        long total = 0;
        for (const std::string& value : values) {
            encode(type, value, options, out);
            total += moduleWidths(1, 2.0).total(out.modules);
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(values.size()));
}

void BM_Tessaly_Code128B(benchmark::State& s) { encodeAll(s, bcCode128B, code128Values(), false); }
void BM_Tessaly_EAN13(benchmark::State& s) { encodeAll(s, bcCodeEAN13, ean13Values(), true); }
void BM_Tessaly_Code39(benchmark::State& s) { encodeAll(s, bcCode39, code39Values(), false); }
BENCHMARK(BM_Tessaly_Code128B)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tessaly_EAN13)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tessaly_Code39)->Unit(benchmark::kMillisecond);

#ifdef TESSALY_BENCH_ZINT
void zintAll(benchmark::State& state, int symbology, const std::vector<std::string>& values)
{
    zint_symbol* symbol = ZBarcode_Create();
    for (auto _ : state) {
        long total = 0;
        for (const std::string& value : values) {
            ZBarcode_Clear(symbol);
            symbol->symbology = symbology;
            if (ZBarcode_Encode(symbol, reinterpret_cast<const unsigned char*>(value.data()),
                                static_cast<int>(value.size())) >= ZINT_ERROR)
                state.SkipWithError(symbol->errtxt);
            total += symbol->width;
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(values.size()));
    ZBarcode_Delete(symbol);
}

void BM_Zint_Code128B(benchmark::State& s) { zintAll(s, BARCODE_CODE128B, code128Values()); }
void BM_Zint_EAN13(benchmark::State& s) { zintAll(s, BARCODE_EANX, ean13Values()); }
void BM_Zint_Code39(benchmark::State& s) { zintAll(s, BARCODE_CODE39, code39Values()); }
BENCHMARK(BM_Zint_Code128B)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Zint_EAN13)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Zint_Code39)->Unit(benchmark::kMillisecond);
#endif

} // namespace

BENCHMARK_MAIN();
