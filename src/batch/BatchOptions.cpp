// Parsing of the tessaly-batch command line and its usage text.
#include "batch/BatchOptions.h"

#include <charconv>
#include <functional>
#include <map>

namespace tessaly::batch {

namespace {

constexpr long long kMaxLabels = 10'000'000;
constexpr long long kMaxSheets = 100'000;
constexpr double kMaxDpm = 48;   // about 1200 DPI: keeps one sheet image within memory

std::optional<long long> WholeNumber(const std::string& text, long long low, long long high)
{
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<double> PositiveNumber(const std::string& text, double high)
{
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !(value > 0) || value > high)
        return std::nullopt;
    return value;
}

std::optional<PrintMode> ModeNamed(const std::string& name)
{
    if (name == "pages")
        return PrintMode::Pages;
    if (name == "labels")
        return PrintMode::Labels;
    if (name == "database")
        return PrintMode::Database;
    return std::nullopt;
}

// Applies one option with its value; returns the error text, empty when accepted.
using Setter = std::function<std::string(BatchOptions&, const std::string&)>;

const std::map<std::string, Setter>& ValueOptions()
{
    static const std::map<std::string, Setter> options{
        {"--folder", [](BatchOptions& o, const std::string& v) { o.folder = v; return std::string(); }},
        {"--mode",
         [](BatchOptions& o, const std::string& v) {
             o.mode = ModeNamed(v);
             return o.mode ? std::string() : "--mode takes pages, labels or database, not \"" + v + "\"";
         }},
        {"--count",
         [](BatchOptions& o, const std::string& v) {
             const auto n = WholeNumber(v, 1, kMaxLabels);
             o.count = n.value_or(0);
             return n ? std::string() : "--count takes a whole number from 1 to " + std::to_string(kMaxLabels);
         }},
        {"--start", [](BatchOptions& o, const std::string& v) { o.start = v; return std::string(); }},
        {"--sheets",
         [](BatchOptions& o, const std::string& v) {
             const auto n = WholeNumber(v, 1, kMaxSheets);
             o.sheets = n.value_or(0);
             return n ? std::string() : "--sheets takes a whole number from 1 to " + std::to_string(kMaxSheets);
         }},
        {"--import", [](BatchOptions& o, const std::string& v) { o.importFile = v; return std::string(); }},
        {"--dpm",
         [](BatchOptions& o, const std::string& v) {
             const auto n = PositiveNumber(v, kMaxDpm);
             o.dpm = n.value_or(0);
             return n ? std::string() : "--dpm takes a number of pixels per millimetre above 0 and at most 48";
         }},
    };
    return options;
}

std::optional<OutputKind> OutputOption(const std::string& name)
{
    if (name == "--pdf")
        return OutputKind::Pdf;
    if (name == "--png")
        return OutputKind::Png;
    if (name == "--printer")
        return OutputKind::Printer;
    return std::nullopt;
}

} // namespace

ParseResult ParseBatchArguments(const std::vector<std::string>& arguments)
{
    ParseResult result;
    BatchOptions options;
    bool haveOutput = false;
    bool haveDpm = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        if (arg == "--help" || arg == "-h") {
            result.help = true;
            return result;
        }
        if (arg == "--fine") {
            options.fine = true;
            continue;
        }
        const auto output = OutputOption(arg);
        const auto setter = ValueOptions().find(arg);
        if (output || setter != ValueOptions().end()) {
            if (i + 1 >= arguments.size()) {
                result.error = arg + " needs a value";
                return result;
            }
            const std::string& value = arguments[++i];
            if (output) {
                if (haveOutput) {
                    result.error = "give only one of --pdf, --png and --printer";
                    return result;
                }
                haveOutput = true;
                options.output = *output;
                options.target = value;
                if (value.empty()) {
                    result.error = arg + " needs a value";
                    return result;
                }
                continue;
            }
            haveDpm = haveDpm || arg == "--dpm";
            result.error = setter->second(options, value);
            if (!result.error.empty())
                return result;
            continue;
        }
        if (arg.size() > 1 && arg[0] == '-') {
            result.error = "unknown option " + arg;
            return result;
        }
        if (!options.project.empty()) {
            result.error = "only one project file may be given (also got " + arg + ")";
            return result;
        }
        options.project = arg;
    }
    if (options.project.empty())
        result.error = "no project file given";
    else if (!haveOutput)
        result.error = "choose an output: --pdf OUT.pdf, --png DIR or --printer NAME";
    else if (haveDpm && options.output != OutputKind::Png)
        result.error = "--dpm applies to --png only";
    if (result.error.empty())
        result.options = options;
    return result;
}

std::string UsageText()
{
    return R"(Usage: tessaly-batch [--folder DIR] PROJECT.tly [--mode pages|labels|database]
                     [--count N] [--start N] [--sheets N] [--import FILE.csv]
                     (--pdf OUT.pdf | --png DIR [--dpm N] | --printer NAME) [--fine]

Prints the labels of a saved project without a window, through the same print runs as the
application's print command.

  --folder DIR      program folder whose article table (article.dbf), import settings
                    (TLYIMPORT.PAR) and font files (.ttf, .otf, .ttc in it or in its fonts
                    subfolder) apply; default: the folder of this executable
  --mode MODE       pages: full sheets; labels: a number of labels; database: one label per
                    copy of every article record (all records, in creation order, each
                    'quantite' times). Default: database when the label uses record fields,
                    else pages
  --sheets N        pages mode: number of sheets (default 1)
  --count N         labels mode: number of labels (default 1)
  --start N         labels and database modes: first label cell on the first sheet (default 1)
  --import FILE     empties the article table first and imports FILE with the stored import
                    settings, as the automatic import does
  --pdf OUT.pdf     writes one PDF page per sheet
  --png DIR         writes sheet-0001.png, sheet-0002.png, ... into DIR (created when missing)
  --dpm N           PNG resolution in pixels per millimetre (default 11.811024 = 300 DPI)
  --printer NAME    prints one job per sheet on the installed printer NAME
  --fine            barcode quality "Fin" (default: the quality saved with the project)
  --help            shows this text

Exit status: 0 printed; 2 wrong command line; 3 project missing or damaged; 4 article table
empty, unreadable or import failed; 5 invalid start label; 6 unknown printer; 7 output failed.
Progress goes to standard error when it is a terminal.
)";
}

} // namespace tessaly::batch
