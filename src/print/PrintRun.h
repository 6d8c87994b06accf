// The three print runs (pages, labels, database) and the two preview builders, with explicit
// inputs and no window: the program hands the label page, the sheet geometry, the rows, the
// label-shape hooks and a sink, and shows progress through a callback.
#pragma once

#include "print/RecordCursor.h"
#include "print/RunArithmetic.h"
#include "print/SheetAssembler.h"
#include "print/SheetSinks.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace tessaly::print {

struct Progress {
    int sheetsPrinted = 0;
    std::int64_t sheetsTotal = 0;    // 0 when unknown in advance (database mode)
    std::int64_t labelsPlaced = 0;
    std::int64_t labelsTotal = 0;
};
// Called after each sheet and before each record; let the window repaint here. False cancels.
using ProgressCallback = std::function<bool(const Progress&)>;

struct RunSetup {
    const document::TdtpPage* labelPage = nullptr;   // the label document's current page
    sheet::SheetLayout layout;                        // in its display unit
    values::Tvaleurspeciale* calculator = nullptr;    // required when the label is resolved
    PrintHooks hooks;
    bool normalBarcodeQuality = true;   // racbnormale ("Normale") against racbfin ("Fin")
    int qualityLevel = 1;               // 1..4 from the quality buttons; handed on, not used
    ProgressCallback progress;
};

struct RunResult {
    int sheetsPrinted = 0;
    std::int64_t labelsPlaced = 0;
    bool cancelled = false;
    QString error;   // why the run stopped early; the window stays silent about it
    bool Completed() const { return !cancelled && error.isEmpty(); }
};

// Pages mode: one full sheet printed `sheets` times (nothing below 1). Counters do not advance
// from sheet to sheet.
RunResult PrintFullSheets(const RunSetup& setup, SheetSink& sink, int sheets);

// Labels mode: exactly `count` labels from cell `start` (1..labels per page) of the first sheet.
RunResult PrintLabels(const RunSetup& setup, SheetSink& sink, std::int64_t count, int start);

struct DatabaseRun {
    int start = 1;   // enuetidebutbase
    BreakOptions breaks;
};

// Database mode: a copy per unit of quantity of every row in list order; the rows' current
// position is restored at the end.
RunResult PrintDatabase(const RunSetup& setup, SheetSink& sink, RecordCursor& records, const DatabaseRun& run);

// `PreviewSheet`: a pages-mode sheet on the current page of `preview` (barcodes "Normale").
RunResult PreviewSheet(const RunSetup& setup, document::TdtpDocument& preview);

// `PreviewDatabase`: the first sheet of a database run from `start`, without breaks, stopping at
// the first copy that would not fit. Nothing is printed.
RunResult PreviewDatabase(const RunSetup& setup, RecordCursor& records, int start,
                          document::TdtpDocument& preview);

} // namespace tessaly::print
