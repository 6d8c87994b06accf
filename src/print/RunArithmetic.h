// The cell walk of the three runs, free of documents: which label, record and copy land in which
// cell, and when a sheet is finished. The print and preview runs drive their sheets from here.
#pragma once

#include "print/RecordCursor.h"
#include "values/ValueSource.h"

#include <cstdint>

namespace tessaly::print {

// One label of a run: its cell on the current sheet (from 1) and the counters it is resolved with.
struct LabelSlot {
    int cell = 1;
    values::RunNumbers run;
    std::int64_t quantity = 1;   // the record's quantity (1 outside database mode)
};

// What a walk asks of the run. Returning false stops the walk (cancelled or failed).
class RunSteps {
public:
    virtual ~RunSteps() = default;
    virtual bool Place(const LabelSlot& slot) = 0;
    // The current sheet is finished; the next labels go on a fresh sheet.
    virtual bool FinishSheet() = 0;
    // Called once per record before its copies (database mode), with the record current.
    virtual bool BeginRecord(int record) { (void)record; return true; }
};

// Labels mode: (count + start − 2) div perPage + 1, rounding toward zero; below 1 nothing prints.
std::int64_t LabelsModeSheets(std::int64_t count, std::int64_t start, int perPage);

// Pages mode: cells 1..perPage with label numbers 1..perPage, then one FinishSheet.
bool WalkFullSheet(int perPage, RunSteps& steps);

// Labels mode: exactly `count` labels from cell `start` of the first sheet on.
bool WalkLabels(std::int64_t count, int start, int perPage, RunSteps& steps);

struct BreakOptions {
    bool pageBreakPerRecord = false;
    int pageBreakField = 0;   // 1..15, 0 = none
    int rowBreakField = 0;    // 1..15, 0 = none
};

// Database mode: every row `quantite` times (1 when unreadable, none at 0 or less), with the
// breaks; the last sheet is finished too, so an empty list gives one empty sheet. With
// `firstSheetOnly` (the preview) the walk stops at the first copy that would not fit, without
// finishing the sheet.
bool WalkDatabase(RecordCursor& records, int start, int perPage, int columns, const BreakOptions& breaks,
                  RunSteps& steps, bool firstSheetOnly = false);

// The sum of the positive quantities of all rows (an unreadable quantity counts 1).
std::int64_t DatabaseLabelCount(RecordCursor& records);

} // namespace tessaly::print
