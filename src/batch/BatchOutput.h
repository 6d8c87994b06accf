// Where a batch run's sheets go: a PDF file, PNG files or an installed printer, each built on
// the print service's sinks.
#pragma once

#include "batch/BatchOptions.h"
#include "print/SheetSinks.h"

#include <QPrinter>

#include <memory>

namespace tessaly::batch {

class BatchOutput {
public:
    virtual ~BatchOutput() = default;
    virtual print::SheetSink& Sink() = 0;
    // After a complete run: makes the output final. Throws BatchError(ExitCode::Output).
    virtual void Commit() {}
};

// Throws BatchError: ExitCode::Printer for a printer that is not installed, ExitCode::Output
// for a folder or file that cannot be written.
std::unique_ptr<BatchOutput> OpenOutput(const BatchOptions& options);

} // namespace tessaly::batch
