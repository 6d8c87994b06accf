// One whole tessaly-batch run: project, table, checks, the print service's run, the output.
#pragma once

#include "batch/BatchOptions.h"

#include <ostream>
#include <string>
#include <vector>

namespace tessaly::batch {

// Parses `arguments` (without the program name), runs and returns the exit status. Messages go
// to `errors`, the usage text for --help to `out`. `defaultFolder` is the executable's folder.
// Progress is written to `errors` when `showProgress` is set. Needs a QGuiApplication.
int RunBatchCommand(const std::vector<std::string>& arguments, const std::string& defaultFolder,
                    std::ostream& out, std::ostream& errors, bool showProgress);

// The run itself for parsed options with a program folder.
int RunBatch(const BatchOptions& options, std::ostream& errors, bool showProgress);

} // namespace tessaly::batch
