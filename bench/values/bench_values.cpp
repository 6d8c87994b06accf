// Cost of resolving the variable shapes of one printed label: a keyed barcode from a record
// field, a counter text and a dated text with placeholders.
#include "values/ValueResolution.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <string>

namespace {

using namespace tessaly::values;

class Record : public RecordSource {
public:
    bool hasCurrentRecord() const override { return true; }
    std::int64_t recordNumber() const override { return 1; }
    std::optional<std::int64_t> quantity() const override { return 1; }
    std::string fieldValue(int n) const override { return "article " + std::to_string(n); }
};

void BM_ResolveLabel(benchmark::State& state)
{
    Record record;
    Tvaleurspeciale calculator(QLocale(QLocale::French, QLocale::France));
    ValueSource barcode;
    barcode.valueType = 2;
    barcode.special.keyType = QStringLiteral("EAN13");
    ValueSource counter;
    counter.valueType = 3;
    counter.special.kind = 2;
    counter.special.number = {0, 1, 1, 6};
    ValueSource date;
    date.valueType = 3;
    date.special.kind = 1;
    date.special.text[0] = QStringLiteral("dd/mm/yyyy hh:mm");
    date.special.number = {0, 1, 0, 0};
    date.special.prefix = QStringLiteral("[*2*] until ");
    const QString placeholder = QStringLiteral("[*4*]");
    int label = 0;
    for (auto _ : state) {
        ++label;
        const ResolveContext context{record, RunNumbers{label, 1, label}, calculator};
        benchmark::DoNotOptimize(ResolveBarcodeValue(barcode, {}, placeholder, context));
        benchmark::DoNotOptimize(ResolveExtendedText(counter, {}, context));
        benchmark::DoNotOptimize(ResolveExtendedText(date, {}, context));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ResolveLabel);

} // namespace

BENCHMARK_MAIN();
