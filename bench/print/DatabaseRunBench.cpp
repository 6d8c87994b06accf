// A database run to PDF on "AVERY 5160" sheets, each label holding a Code 128 of field 1, a text of
// field 2 and an EAN-13 with key of field 3: labels per second and the peak resident memory.
#include "print/ArticleLabel.h"
#include "print/LabelShapeHooks.h"
#include "print/PrintRun.h"

#include "common/OffscreenMain.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>
#include <string>

namespace tessaly::print {
namespace {

class GeneratedRecord final : public data::CurrentRecordSource {
public:
    int number = 0;
    bool hasCurrentRecord() const override { return number > 0; }
    std::string fieldValue(int n) const override
    {
        char text[32];
        if (n == 1)
            std::snprintf(text, sizeof text, "TLY-%06d", number);
        else if (n == 2)
            std::snprintf(text, sizeof text, "Article %d", number);
        else if (n == 3)
            std::snprintf(text, sizeof text, "40%010d", number);
        else
            return {};
        return text;
    }
    std::int64_t recordNumber() const override { return number; }
    std::optional<std::int64_t> quantity() const override { return 1; }
};

class GeneratedRows final : public RecordCursor {
public:
    explicit GeneratedRows(int count) : count_(count) {}
    int RecordCount() const override { return count_; }
    void MoveTo(int j) override { record_.number = j; }
    const data::CurrentRecordSource& Current() const override { return record_; }

private:
    int count_;
    GeneratedRecord record_;
};

void BM_DatabaseRunToPdf(benchmark::State& state)
{
    const int records = int(state.range(0));
    const bool normal = state.range(1) != 0;   // "Normale" (through the caches) or "Fin"
    auto label = bench::ArticleLabel();
    values::Tvaleurspeciale calculator;
    RunSetup setup;
    setup.labelPage = label->Pages(0);
    setup.layout = bench::Avery5160();
    setup.calculator = &calculator;
    setup.hooks = LabelShapeHooks();
    setup.normalBarcodeQuality = normal;
    QTemporaryDir folder;
    for (auto _ : state) {
        GeneratedRows rows(records);
        PdfSheetSink sink(folder.filePath(QStringLiteral("bench.pdf")));
        const RunResult result = PrintDatabase(setup, sink, rows, {});
        sink.Finish();
        if (!result.Completed())
            state.SkipWithError(result.error.toStdString().c_str());
    }
    state.SetItemsProcessed(state.iterations() * records);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = double(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_DatabaseRunToPdf)
    ->ArgNames({"records", "normal"})
    ->Args({300, 1})
    ->Args({300, 0})
    ->Args({1000, 1})
    ->Args({1000, 0})
    ->Args({10000, 1})
    ->Args({10000, 0})
    ->Args({30000, 1})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

} // namespace
} // namespace tessaly::print

int main(int argc, char** argv) { return RunOffscreenBenchmarks<QGuiApplication>(argc, argv); }
