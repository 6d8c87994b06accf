// The steps of a batch run, each failing with its own exit status.
#include "batch/BatchRun.h"

#include "batch/ArticleTable.h"
#include "batch/BatchError.h"
#include "batch/BatchOutput.h"
#include "batch/PrintJobInput.h"
#include "document/shapes/TextFonts.h"
#include "document/shapes/TextShape.h"
#include "labelshapes/LabelShapes.h"
#include "print/ArticleStreamCursor.h"
#include "print/LabelShapeHooks.h"
#include "print/PrintCommand.h"
#include "sheet/SheetGrid.h"
#include "values/SpecialValueCalculator.h"

#include <charconv>
#include <optional>

namespace tessaly::batch {

namespace {

sheet::PrintTab TabOf(PrintMode mode)
{
    switch (mode) {
    case PrintMode::Labels:
        return sheet::PrintTab::Labels;
    case PrintMode::Database:
        return sheet::PrintTab::Database;
    case PrintMode::Pages:
        break;
    }
    return sheet::PrintTab::Pages;
}

// The same check as the print command, on the sheet the project describes.
int CheckedStartLabel(PrintMode mode, const BatchOptions& options, const sheet::SheetLayout& layout)
{
    const int perPage = sheet::SheetGrid(layout).LabelsPerPage();
    if (!sheet::CheckStartLabel(TabOf(mode), options.start, perPage))
        throw BatchError(ExitCode::StartLabel, "the start label \"" + options.start + "\" is not a cell from 1 to " +
                                                   std::to_string(perPage) + " of the sheet");
    int start = 1;
    std::from_chars(options.start.data(), options.start.data() + options.start.size(), start);
    return start;
}

print::ProgressCallback ProgressWriter(std::ostream& errors, bool showProgress)
{
    if (!showProgress)
        return {};
    return [&errors](const print::Progress& p) {
        errors << "\rsheets " << p.sheetsPrinted;
        if (p.sheetsTotal > 0)
            errors << '/' << p.sheetsTotal;
        errors << ", labels " << p.labelsPlaced;
        if (p.labelsTotal > 0)
            errors << '/' << p.labelsTotal;
        errors << std::flush;
        return true;
    };
}

// The single call into the print service: the print command's own dispatch of the active tab.
print::RunResult RunPrintService(PrintMode mode, const print::RunSetup& setup, print::SheetSink& sink,
                                 const BatchOptions& options, int start, data::ArticleStream* rows)
{
    print::PrintCommandInput input;
    input.activeTab = TabOf(mode);
    input.sheets = int(options.sheets);
    input.labels = options.count;
    input.labelStart = start;
    input.database.start = start;
    std::optional<print::ArticleStreamCursor> records;
    if (rows)
        records.emplace(*rows);
    return print::RunPrintCommand(setup, sink, records ? &*records : nullptr, input);
}

std::string WithSeparator(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

void Print(const BatchOptions& options, std::ostream& errors, bool showProgress)
{
    document::RegisterTextShapeClasses();
    labelshapes::RegisterLabelShapes();
    const PrintJobInput input = LoadPrintJob(options.project);
    const PrintMode mode = options.mode.value_or(input.usesRecordFields ? PrintMode::Database : PrintMode::Pages);
    const int start = CheckedStartLabel(mode, options, input.layout);

    const std::string folder = WithSeparator(options.folder);
    document::RegisterFolderFonts(QString::fromStdString(folder));
    data::ArticleBase base(folder);
    if (!options.importFile.empty())
        ImportArticles(base, folder, options.importFile);
    std::unique_ptr<data::ArticleStream> rows;
    if (mode == PrintMode::Database)
        rows = ListAllArticles(base);

    std::unique_ptr<BatchOutput> output = OpenOutput(options);
    values::Tvaleurspeciale calculator;
    print::RunSetup setup;
    setup.labelPage = input.label->CurrentPage();
    setup.layout = input.layout;
    setup.calculator = &calculator;
    setup.hooks = print::LabelShapeHooks();
    setup.normalBarcodeQuality = !(options.fine || input.fineBarcodeQuality);
    setup.progress = ProgressWriter(errors, showProgress);

    const print::RunResult result = RunPrintService(mode, setup, output->Sink(), options, start, rows.get());
    if (showProgress)
        errors << '\n';
    if (!result.Completed())
        throw BatchError(ExitCode::Output, "printing stopped after " + std::to_string(result.sheetsPrinted) +
                                               " sheets: " + result.error.toStdString());
    output->Commit();
}

} // namespace

int RunBatch(const BatchOptions& options, std::ostream& errors, bool showProgress)
{
    try {
        Print(options, errors, showProgress);
        return int(ExitCode::Success);
    } catch (const BatchError& error) {
        errors << "tessaly-batch: " << error.what() << '\n';
        return int(error.Code());
    } catch (const std::exception& error) {
        errors << "tessaly-batch: " << error.what() << '\n';
        return int(ExitCode::Output);
    }
}

int RunBatchCommand(const std::vector<std::string>& arguments, const std::string& defaultFolder,
                    std::ostream& out, std::ostream& errors, bool showProgress)
{
    ParseResult parsed = ParseBatchArguments(arguments);
    if (parsed.help) {
        out << UsageText();
        return int(ExitCode::Success);
    }
    if (!parsed.options) {
        errors << "tessaly-batch: " << parsed.error << "\nTry 'tessaly-batch --help'.\n";
        return int(ExitCode::Usage);
    }
    if (parsed.options->folder.empty())
        parsed.options->folder = defaultFolder;
    return RunBatch(*parsed.options, errors, showProgress);
}

} // namespace tessaly::batch
