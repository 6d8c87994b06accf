// `PrintCommand` without the window: the run of the active print-mode tab with the fields' values.
// The print button and automation modes 2 and 3 (which print with the tab active at that moment)
// both call RunPrintCommand after CheckStartLabel has passed.
#pragma once

#include "print/PrintRun.h"
#include "sheet/SheetLayout.h"

namespace tessaly::print {

struct PrintCommandInput {
    sheet::PrintTab activeTab = sheet::PrintTab::Database;   // pagetypeimpression's active tab
    int sheets = 1;                  // enbpageaimprimer
    std::int64_t labels = 1;         // enbetiquette
    int labelStart = 1;              // enuetidebut
    DatabaseRun database;            // enuetidebutbase, chsautpageenreg, cbrupturepagechamp, cbrupturelignechamps
};

// The quality level of the four buttons: 4 "Maxi", else 3 "Haute", else 2 "Moyenne", else 1.
int QualityLevel(bool maxi, bool haute, bool moyenne);

// Runs PrintFullSheets, PrintLabels or PrintDatabase for the active tab. `records` is needed
// on the database tab only (a missing cursor prints as an empty list).
RunResult RunPrintCommand(const RunSetup& setup, SheetSink& sink, RecordCursor* records,
                          const PrintCommandInput& input);

} // namespace tessaly::print
