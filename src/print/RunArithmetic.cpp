// The cell walks of pages, labels and database runs.
#include "print/RunArithmetic.h"

#include <algorithm>
#include <limits>
#include <string>

namespace tessaly::print {

namespace {

std::int32_t Counter(std::int64_t value)
{
    return std::int32_t(std::clamp<std::int64_t>(value, 0, std::numeric_limits<std::int32_t>::max()));
}

std::int64_t QuantityOf(const data::CurrentRecordSource& record)
{
    return record.quantity().value_or(1);
}

std::string FieldOf(const data::CurrentRecordSource& record, int field)
{
    return field >= 1 && field <= 15 ? record.fieldValue(field) : std::string();
}

} // namespace

std::int64_t LabelsModeSheets(std::int64_t count, std::int64_t start, int perPage)
{
    if (perPage < 1)
        return 0;
    return (count + start - 2) / perPage + 1;
}

bool WalkFullSheet(int perPage, RunSteps& steps)
{
    for (int c = 1; c <= perPage; ++c) {
        if (!steps.Place(LabelSlot{c, {c, 1, 1}, 1}))
            return false;
    }
    return steps.FinishSheet();
}

bool WalkLabels(std::int64_t count, int start, int perPage, RunSteps& steps)
{
    const std::int64_t sheets = LabelsModeSheets(count, start, perPage);
    const std::int64_t end = std::int64_t(start) + count;   // first running number not used
    for (std::int64_t s = 1; s <= sheets; ++s) {
        const std::int64_t first = (s - 1) * perPage + 1;
        const std::int64_t last = s * perPage;
        for (std::int64_t n = std::max<std::int64_t>(first, start); n <= last && n < end; ++n) {
            const LabelSlot slot{int(n - first + 1), {Counter(n - start + 1), 1, 1}, 1};
            if (!steps.Place(slot))
                return false;
        }
        if (!steps.FinishSheet())
            return false;
    }
    return true;
}

bool WalkDatabase(RecordCursor& records, int start, int perPage, int columns, const BreakOptions& breaks,
                  RunSteps& steps, bool firstSheetOnly)
{
    columns = std::max(1, columns);
    std::int64_t cell = start - 1;
    std::int64_t sheet = 1;
    std::int64_t label = 0;
    std::string previousPage, previousRow;
    const int count = records.RecordCount();
    for (int j = 1; j <= count; ++j) {
        records.MoveTo(j);
        const data::CurrentRecordSource& record = records.Current();
        const std::int64_t quantity = QuantityOf(record);
        if (quantity <= 0)
            continue;
        if (!steps.BeginRecord(j))
            return false;
        for (std::int64_t k = 1; k <= quantity; ++k) {
            bool newSheet = breaks.pageBreakPerRecord && k == 1 && j > 1;
            if (breaks.rowBreakField != 0) {
                std::string v = FieldOf(record, breaks.rowBreakField);
                if (v != previousRow && j > 1 && cell % columns != 0)
                    cell += columns - cell % columns;
                previousRow = std::move(v);
            }
            if (breaks.pageBreakField != 0) {
                std::string v = FieldOf(record, breaks.pageBreakField);
                if (v != previousPage) {
                    previousPage = std::move(v);
                    newSheet = newSheet || j > 1;
                }
            }
            ++cell;
            ++label;
            if (cell > perPage || newSheet) {
                if (firstSheetOnly)
                    return true;
                if (!steps.FinishSheet())
                    return false;
                cell = 1;
                ++sheet;
            }
            if (sheet > 1 || cell >= start) {
                const LabelSlot slot{int(cell), {Counter(label), Counter(j), Counter(k)}, quantity};
                if (!steps.Place(slot))
                    return false;
            }
        }
    }
    return firstSheetOnly || steps.FinishSheet();
}

std::int64_t DatabaseLabelCount(RecordCursor& records)
{
    std::int64_t total = 0;
    const int count = records.RecordCount();
    for (int j = 1; j <= count; ++j) {
        records.MoveTo(j);
        total += std::max<std::int64_t>(0, QuantityOf(records.Current()));
    }
    return total;
}

} // namespace tessaly::print
