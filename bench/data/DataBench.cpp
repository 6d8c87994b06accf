// The article table at 100,000 records: the list query against SQLite on a native table with
// the same rows, the next number, the pack, and the CSV import against the sqlite3 command
// line's .import of the same file.
#include "data/ArticleBase.h"
#include "data/Statements.h"
#include "data/csv/CsvImport.h"
#include "data/dbf/DbfTable.h"
#include "data/sql/SqlEngine.h"
#include "data/sql/SqlText.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;
using namespace tessaly::data;

namespace {

constexpr int kRecords = 100000;

std::string Word(std::mt19937& rng, int length)
{
    std::string w;
    for (int i = 0; i < length; ++i)
        w.push_back(static_cast<char>('a' + rng() % 26));
    return w;
}

std::vector<ArticleRecord> MakeRecords()
{
    std::mt19937 rng(42);
    std::vector<ArticleRecord> records(kRecords);
    for (int i = 0; i < kRecords; ++i) {
        ArticleRecord& r = records[static_cast<std::size_t>(i)];
        r.num = i + 1;
        for (std::size_t f = 0; f < 15; ++f)
            r.f[f] = f < 5 ? Word(rng, 6 + static_cast<int>(rng() % 20)) : (f < 8 ? std::to_string(rng() % 10000) : "");
        r.quantite = static_cast<std::int64_t>(rng() % 5 + 1);
        r.topp = rng() % 2 ? "O" : "N";
    }
    return records;
}

// One folder holding the table and a native SQLite table with the same rows.
struct Fixture {
    fs::path dir;
    std::unique_ptr<ArticleBase> base;
    sqlite3* native = nullptr;

    Fixture()
    {
        dir = fs::temp_directory_path() / "tessaly-bench-data";
        fs::remove_all(dir);
        fs::create_directories(dir);
        base = std::make_unique<ArticleBase>(dir.string());
        const std::vector<ArticleRecord> records = MakeRecords();
        base->appendArticles(records);

        sqlite3_open(":memory:", &native);
        std::string create = "CREATE TABLE article(num INTEGER";
        for (int f = 1; f <= 15; ++f)
            create += ", f" + std::to_string(f) + " TEXT";
        create += ", quantite INTEGER, topp TEXT)";
        sqlite3_exec(native, create.c_str(), nullptr, nullptr, nullptr);
        sqlite3_exec(native, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(native, "INSERT INTO article VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)", -1, &insert, nullptr);
        for (const ArticleRecord& r : records) {
            sqlite3_bind_int64(insert, 1, r.num);
            for (int f = 0; f < 15; ++f)
                sqlite3_bind_text(insert, f + 2, r.f[static_cast<std::size_t>(f)].c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int64(insert, 17, r.quantite);
            sqlite3_bind_text(insert, 18, r.topp.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        sqlite3_exec(native, "COMMIT", nullptr, nullptr, nullptr);
    }
    ~Fixture()
    {
        base.reset();
        sqlite3_close(native);
        fs::remove_all(dir);
    }
};

Fixture& Shared()
{
    static Fixture fixture;
    return fixture;
}

std::string ListRestriction()
{
    RestrictionInputs in;
    in.criteria = {{"1", ">=", "m", "AND"}, {"6", "<", "5", "AND"}};
    in.flags = FlagFilter::Flagged;
    return fconstruitcritere(in);
}

void BM_ListQueryDbf(benchmark::State& state)
{
    Fixture& fx = Shared();
    const std::string w = ListRestriction();
    const std::string o = fconstruittri(3, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(fx.base->prequetebase(w, o));
    state.counters["rows"] = static_cast<double>(fx.base->list().rowCount());
}
BENCHMARK(BM_ListQueryDbf)->Unit(benchmark::kMillisecond);

void BM_ListQueryNativeSqlite(benchmark::State& state)
{
    Fixture& fx = Shared();
    const std::string sql = ConvertDoubleQuotedLiterals(ListStatement(ListRestriction(), fconstruittri(3, false)));
    std::size_t rows = 0;
    for (auto _ : state)
        rows = QueryRows(fx.native, sql).rowCount();
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_ListQueryNativeSqlite)->Unit(benchmark::kMillisecond);

void BM_NextNumber(benchmark::State& state)
{
    Fixture& fx = Shared();
    for (auto _ : state)
        benchmark::DoNotOptimize(fx.base->fnumerosuivant());
}
BENCHMARK(BM_NextNumber)->Unit(benchmark::kMillisecond);

void BM_NextNumberNativeSqlite(benchmark::State& state)
{
    Fixture& fx = Shared();
    for (auto _ : state)
        benchmark::DoNotOptimize(QueryRows(fx.native, NextNumberStatement()).rowCount());
}
BENCHMARK(BM_NextNumberNativeSqlite)->Unit(benchmark::kMillisecond);

// Packing 100,000 records of which every tenth is deleted.
void BM_Pack(benchmark::State& state)
{
    Fixture& fx = Shared();
    fx.base->pfermebase();
    const fs::path table = fx.dir / "article.dbf";
    const fs::path copy = fx.dir / "packed" / "article.dbf";
    fs::create_directories(copy.parent_path());
    for (auto _ : state) {
        state.PauseTiming();
        fs::copy_file(table, copy, fs::copy_options::overwrite_existing);
        {
            DbfTable t(copy.string());
            for (std::uint32_t r = 0; r < t.recordCount(); r += 10)
                t.markDeleted(r);
        }
        ArticleBase packed(copy.parent_path().string());
        state.ResumeTiming();
        packed.pcompactebase();
    }
}
BENCHMARK(BM_Pack)->Unit(benchmark::kMillisecond)->Iterations(5);

const fs::path& CsvFile()
{
    static const fs::path file = [] {
        const fs::path path = fs::temp_directory_path() / "tessaly-bench-import.csv";
        std::ofstream out(path);
        std::mt19937 rng(7);
        for (int i = 0; i < kRecords; ++i) {
            out << Word(rng, 8) << ',' << Word(rng, 12) << ',' << (rng() % 100000) << ',' << Word(rng, 5) << ','
                << Word(rng, 20) << ',' << (rng() % 1000) << ',' << Word(rng, 3) << ',' << (rng() % 9 + 1) << '\n';
        }
        return path;
    }();
    return file;
}

void BM_CsvImport(benchmark::State& state)
{
    const fs::path dir = fs::temp_directory_path() / "tessaly-bench-import";
    ImportSettings settings;
    for (int n = 0; n < 15; ++n)
        settings.fieldColumn[static_cast<std::size_t>(n)] = n < 7 ? n : kNoColumn;
    settings.quantitySource = 7;
    const std::string file = CsvFile().string();
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(dir);
        fs::create_directories(dir);
        {
            ArticleBase base(dir.string());
            base.pouvrebase();
            state.ResumeTiming();
            const ImportResult result = ImportCsv(base, file, settings);
            if (result.imported != kRecords)
                state.SkipWithError(result.error.c_str());
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
    fs::remove_all(dir);
}
BENCHMARK(BM_CsvImport)->Unit(benchmark::kMillisecond)->Iterations(5);

// The sqlite3 command line importing the same file into a table of 18 text columns.
void BM_SqliteCliImport(benchmark::State& state)
{
    const fs::path dir = fs::temp_directory_path() / "tessaly-bench-cli";
    const std::string file = CsvFile().string();
    std::string columns;
    for (int i = 1; i <= 18; ++i)
        columns += (i > 1 ? ", c" : "c") + std::to_string(i) + " TEXT";
    for (auto _ : state) {
        fs::remove_all(dir);
        fs::create_directories(dir);
        const std::string command = "sqlite3 " + (dir / "t.db").string() + " \"CREATE TABLE t(" + columns
            + ");\" \".mode csv\" \".import " + file + " t\" >/dev/null 2>&1";
        const auto start = std::chrono::steady_clock::now();
        const int rc = std::system(command.c_str());
        const auto end = std::chrono::steady_clock::now();
        if (rc != 0)
            state.SkipWithError("sqlite3 command line failed");
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    fs::remove_all(dir);
}
BENCHMARK(BM_SqliteCliImport)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

} // namespace

BENCHMARK_MAIN();
