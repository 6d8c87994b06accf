// A saved project loaded for printing without a window: the label document, its sheet layout
// and barcode quality, restored through a private scratch folder.
#pragma once

#include "document/core/Document.h"
#include "sheet/SheetLayout.h"

#include <filesystem>
#include <memory>

namespace tessaly::batch {

struct PrintJobInput {
    std::unique_ptr<document::TdtpDocument> label;   // its current page is the label
    sheet::SheetLayout layout;                       // in the unit the project was saved in
    bool fineBarcodeQuality = false;                 // the project's "Fin" setting
    bool usesRecordFields = false;                   // the label reads article fields
};

// Restores `projectFile` into a temporary folder of its own (never the program folder's
// "tempsv", which a running window may be using) and loads both parts. The shape classes must
// be registered. A shape that cannot be read makes the project damaged: printing without it
// would give wrong labels. Throws BatchError(ExitCode::Project) for a missing or damaged project.
PrintJobInput LoadPrintJob(const std::filesystem::path& projectFile);

} // namespace tessaly::batch
