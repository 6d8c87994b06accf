// The command line of tessaly-batch, parsed as a pure function so every case can be tested.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tessaly::batch {

enum class PrintMode { Pages, Labels, Database };
enum class OutputKind { Pdf, Png, Printer };

inline constexpr double kDefaultDpm = 11.811024;   // 300 DPI

struct BatchOptions {
    std::string folder;                 // empty: the executable's folder
    std::string project;
    std::optional<PrintMode> mode;      // empty: what the label suggests
    long long count = 1;                // labels mode
    std::string start = "1";            // the start label as typed; checked like the window does
    long long sheets = 1;               // pages mode
    std::string importFile;             // empty: no import
    OutputKind output = OutputKind::Pdf;
    std::string target;                 // PDF file, PNG folder or printer name
    double dpm = kDefaultDpm;           // PNG only
    bool fine = false;                  // barcode quality "Fin"
};

struct ParseResult {
    std::optional<BatchOptions> options;   // set when the run may go ahead
    bool help = false;                     // --help: print the usage and succeed
    std::string error;                     // why the command line was refused
};

// `arguments` without the program name.
ParseResult ParseBatchArguments(const std::vector<std::string>& arguments);

// The text --help prints.
std::string UsageText();

} // namespace tessaly::batch
