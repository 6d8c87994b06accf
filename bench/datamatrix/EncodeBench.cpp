// Encoding 100,000 label values of 20 to 60 characters in automatic encodation, against
// libdmtx and libzint on the same values.
#include <benchmark/benchmark.h>
#include <dmtx.h>
#include <zint.h>

#include <random>
#include <string>
#include <vector>

#include "datamatrix/Datamatrix.h"

namespace {

using namespace tessaly::datamatrix;

// Label-like values: article codes, words, numbers and prices, fixed seed.
const std::vector<std::string>& Values() {
    static const std::vector<std::string> values = [] {
        std::mt19937 rng(42);
        const char* words[] = {"Lot", "Ref", "chair", "TABLE", "blue", "Size", "kg", "EUR", "caf\xE9", "Batch"};
        std::vector<std::string> all;
        all.reserve(100000);
        while (all.size() < 100000) {
            const std::size_t length = 20 + rng() % 41;
            std::string value;
            while (value.size() < length) {
                switch (rng() % 4) {
                case 0: value += words[rng() % 10]; break;
                case 1: value += std::to_string(rng() % 1000000); break;
                case 2: value += static_cast<char>('A' + rng() % 26); break;
                default: value += ' '; break;
                }
            }
            value.resize(length);
            all.push_back(std::move(value));
        }
        return all;
    }();
    return values;
}

void Tessaly(benchmark::State& state) {
    const auto& values = Values();
    TDatamatrix symbol;
    symbol.setEncoding(TEncoding::E_AUTO);
    for (auto _ : state) {
        for (const std::string& value : values) {
            symbol.setCode(value);
            symbol.setRebuild(true);
            symbol.Rebuild();
            benchmark::DoNotOptimize(symbol.Matrix().cells.data());
        }
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()) * std::int64_t(values.size()));
}

void Libdmtx(benchmark::State& state) {
    const auto& values = Values();
    for (auto _ : state) {
        for (const std::string& value : values) {
            DmtxEncode* encode = dmtxEncodeCreate();
            dmtxEncodeSetProp(encode, DmtxPropScheme, DmtxSchemeAutoBest);
            dmtxEncodeSetProp(encode, DmtxPropModuleSize, 1);
            dmtxEncodeSetProp(encode, DmtxPropMarginSize, 0);
            dmtxEncodeDataMatrix(encode, int(value.size()),
                                 reinterpret_cast<unsigned char*>(const_cast<char*>(value.data())));
            benchmark::DoNotOptimize(encode->image);
            dmtxEncodeDestroy(&encode);
        }
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()) * std::int64_t(values.size()));
}

void Zint(benchmark::State& state) {
    const auto& values = Values();
    zint_symbol* symbol = ZBarcode_Create();
    for (auto _ : state) {
        for (const std::string& value : values) {
            ZBarcode_Clear(symbol);
            symbol->symbology = BARCODE_DATAMATRIX;
            symbol->input_mode = DATA_MODE;
            ZBarcode_Encode(symbol, reinterpret_cast<const unsigned char*>(value.data()), int(value.size()));
            benchmark::DoNotOptimize(symbol->encoded_data);
        }
    }
    ZBarcode_Delete(symbol);
    state.SetItemsProcessed(std::int64_t(state.iterations()) * std::int64_t(values.size()));
}

BENCHMARK(Tessaly)->Unit(benchmark::kMillisecond);
BENCHMARK(Libdmtx)->Unit(benchmark::kMillisecond);
BENCHMARK(Zint)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
