// Reading a CSV import file of 100 000 records with TTextFile, every column taken.
#include "lang/TextFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::filesystem::path makeCsv(int records)
{
    const auto path = std::filesystem::temp_directory_path() / "tessaly-bench-lang.csv";
    std::ofstream out(path, std::ios::binary);
    for (int r = 0; r < records; ++r) {
        for (int f = 1; f <= 15; ++f)
            out << "field " << f << " of record " << r << (f < 15 ? ';' : '\n');
    }
    return path;
}

void ReadCsv(benchmark::State& state)
{
    const auto path = makeCsv(100000);
    std::int64_t bytes = 0;
    for (auto _ : state) {
        tessaly::lang::TTextFile file(';');
        file.Open(path);
        std::size_t total = 0;
        for (; !file.AtEnd(); file.NextLine()) {
            for (int column = 1; column <= 15; ++column)
                total += file.ColumnView(column).size();
            bytes += static_cast<std::int64_t>(file.Line().size() + 1);
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(bytes);
    std::filesystem::remove(path);
}
BENCHMARK(ReadCsv)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
