// The runs: a walk of RunArithmetic drives a SheetAssembler; finished sheets go to the sink.
#include "print/PrintRun.h"

#include <algorithm>
#include <exception>
#include <optional>

namespace tessaly::print {

namespace {

using values::ResolveScope;

enum class Mode { Sheet, Database };

// The steps of a walk: resolve and place copies on the assembler's sheet, hand finished sheets on.
class SheetSteps final : public RunSteps {
public:
    SheetSteps(const RunSetup& setup, SheetAssembler& sheet, SheetSink* sink, Mode mode,
               RecordCursor* records, RunResult& result, Progress& progress)
        : setup_(setup), sheet_(sheet), sink_(sink), mode_(mode), records_(records), result_(result),
          progress_(progress)
    {
    }

    bool Place(const LabelSlot& slot) override
    {
        std::unique_ptr<document::TdtpPage> copy = mode_ == Mode::Database ? DatabaseCopy(slot) : SheetCopy(slot);
        if (setup_.hooks.prepareBarcodeQuality)
            setup_.hooks.prepareBarcodeQuality(*copy, setup_.normalBarcodeQuality);
        sheet_.PlaceCopy(std::move(copy), slot.cell);
        ++result_.labelsPlaced;
        ++progress_.labelsPlaced;
        return true;
    }

    bool FinishSheet() override
    {
        if (!sink_)
            return true;
        sink_->PrintSheet(sheet_.Document(), sheet_.SheetMm());
        ++result_.sheetsPrinted;
        ++progress_.sheetsPrinted;
        sheet_.PrepareSheet();
        return Report();
    }

    bool BeginRecord(int) override { return Report(); }

    bool Report()
    {
        if (setup_.progress && !setup_.progress(progress_)) {
            result_.cancelled = true;
            return false;
        }
        return true;
    }

private:
    const data::CurrentRecordSource& Record() const
    {
        return records_ ? records_->Current() : noRecord_;
    }

    void Resolve(document::TdtpPage& copy, const LabelSlot& slot, ResolveScope scope)
    {
        if (!setup_.hooks.resolvePage || !setup_.calculator)
            return;
        const values::ResolveContext context{Record(), slot.run, *setup_.calculator};
        setup_.hooks.resolvePage(copy, context, scope);
    }

    // Pages and labels modes: resolved only when the label has special values.
    std::unique_ptr<document::TdtpPage> SheetCopy(const LabelSlot& slot)
    {
        auto copy = sheet_.CopyFromTemplate();
        if (sheet_.UsesSpecialValues())
            Resolve(*copy, slot, ResolveScope::All);
        return copy;
    }

    // Database mode with the per-record cache: a record's later copies start from its first
    // copy, so its field-chosen pictures are loaded once.
    std::unique_ptr<document::TdtpPage> DatabaseCopy(const LabelSlot& slot)
    {
        const bool special = sheet_.UsesSpecialValues();
        const bool cached = cachedRecord_ == slot.run.record && sheet_.HasCache();
        if (slot.quantity > 1 && slot.run.copy > 1 && cached) {
            auto copy = sheet_.CopyFromCache();
            if (special)
                Resolve(*copy, slot, ResolveScope::AllButPictures);
            return copy;
        }
        if (slot.quantity > 1 && special) {
            auto pictures = sheet_.CopyFromTemplate();
            Resolve(*pictures, slot, ResolveScope::PicturesOnly);
            Cache(*pictures, slot);
        }
        auto copy = sheet_.CopyFromTemplate();
        Resolve(*copy, slot, ResolveScope::All);
        if (slot.quantity > 1 && !special)
            Cache(*copy, slot);
        return copy;
    }

    void Cache(const document::TdtpPage& copy, const LabelSlot& slot)
    {
        sheet_.StoreInCache(copy);
        cachedRecord_ = slot.run.record;
    }

    const RunSetup& setup_;
    SheetAssembler& sheet_;
    SheetSink* sink_;
    Mode mode_;
    RecordCursor* records_;
    RunResult& result_;
    Progress& progress_;
    NoRecord noRecord_;
    std::int32_t cachedRecord_ = 0;
};

// Runs `body` and turns any failure into the result's error: the run stops where it is, and the
// sheets already sent stay printed.
template <typename Body>
void Guarded(RunResult& result, Body&& body)
{
    try {
        body();
    } catch (const std::exception& error) {
        result.error = QString::fromUtf8(error.what());
    } catch (...) {
        result.error = QStringLiteral("Unknown failure");
    }
}

bool CheckSetup(const RunSetup& setup, RunResult& result)
{
    if (!setup.labelPage) {
        result.error = QStringLiteral("No label page to print");
        return false;
    }
    return true;
}

bool CheckStart(int start, const SheetAssembler& sheet, RunResult& result)
{
    if (start < 1 || start > sheet.Grid().LabelsPerPage()) {
        result.error = QStringLiteral("The start label lies outside the sheet");
        return false;
    }
    return true;
}

// Builds the run's sheet (on a fresh print document, or on `preview`'s page), checks the start
// cell when one is given, and hands the sheet to `body`; failures end in the result.
template <typename Body>
RunResult WithSheet(const RunSetup& setup, document::TdtpDocument* preview, std::optional<int> start,
                    Body&& body)
{
    RunResult result;
    if (!CheckSetup(setup, result))
        return result;
    Guarded(result, [&] {
        document::TdtpDocument printDocument;
        SheetAssembler sheet(preview ? *preview : printDocument, *setup.labelPage, setup.layout, setup.hooks,
                             preview != nullptr);
        if (start && !CheckStart(*start, sheet, result))
            return;
        sheet.PrepareSheet();
        body(sheet, result);
        if (!preview)
            printDocument.ResetDocument();
    });
    return result;
}

// Previews always show barcodes as "Normale".
RunSetup PreviewSetup(const RunSetup& setup)
{
    RunSetup normal = setup;
    normal.normalBarcodeQuality = true;
    return normal;
}

} // namespace

RunResult PrintFullSheets(const RunSetup& setup, SheetSink& sink, int sheets)
{
    return WithSheet(setup, nullptr, std::nullopt, [&](SheetAssembler& sheet, RunResult& result) {
        const int perPage = sheet.Grid().LabelsPerPage();
        Progress progress{0, std::max(0, sheets), 0, std::int64_t(std::max(0, sheets)) * perPage};
        SheetSteps steps(setup, sheet, nullptr, Mode::Sheet, nullptr, result, progress);
        WalkFullSheet(perPage, steps);
        // The same sheet, printed as many times as asked.
        for (int s = 0; s < sheets; ++s) {
            if (!steps.Report())
                return;
            sink.PrintSheet(sheet.Document(), sheet.SheetMm());
            ++result.sheetsPrinted;
            ++progress.sheetsPrinted;
        }
        steps.Report();
    });
}

RunResult PrintLabels(const RunSetup& setup, SheetSink& sink, std::int64_t count, int start)
{
    return WithSheet(setup, nullptr, start, [&](SheetAssembler& sheet, RunResult& result) {
        const int perPage = sheet.Grid().LabelsPerPage();
        Progress progress{0, std::max<std::int64_t>(0, LabelsModeSheets(count, start, perPage)), 0,
                          std::max<std::int64_t>(0, count)};
        SheetSteps steps(setup, sheet, &sink, Mode::Sheet, nullptr, result, progress);
        WalkLabels(count, start, perPage, steps);
    });
}

RunResult PrintDatabase(const RunSetup& setup, SheetSink& sink, RecordCursor& records, const DatabaseRun& run)
{
    const int position = records.Position();
    RunResult outcome = WithSheet(setup, nullptr, run.start, [&](SheetAssembler& sheet, RunResult& result) {
        Progress progress{0, 0, 0, DatabaseLabelCount(records)};
        SheetSteps steps(setup, sheet, &sink, Mode::Database, &records, result, progress);
        WalkDatabase(records, run.start, sheet.Grid().LabelsPerPage(), sheet.Grid().Columns(), run.breaks, steps);
    });
    records.Restore(position);
    return outcome;
}

RunResult PreviewSheet(const RunSetup& setup, document::TdtpDocument& preview)
{
    const RunSetup normal = PreviewSetup(setup);
    return WithSheet(normal, &preview, std::nullopt, [&](SheetAssembler& sheet, RunResult& result) {
        Progress progress;
        SheetSteps steps(normal, sheet, nullptr, Mode::Sheet, nullptr, result, progress);
        WalkFullSheet(sheet.Grid().LabelsPerPage(), steps);
    });
}

RunResult PreviewDatabase(const RunSetup& setup, RecordCursor& records, int start, document::TdtpDocument& preview)
{
    const RunSetup normal = PreviewSetup(setup);
    const int position = records.Position();
    RunResult outcome = WithSheet(normal, &preview, start, [&](SheetAssembler& sheet, RunResult& result) {
        Progress progress;
        SheetSteps steps(normal, sheet, nullptr, Mode::Database, &records, result, progress);
        WalkDatabase(records, start, sheet.Grid().LabelsPerPage(), sheet.Grid().Columns(), {}, steps, true);
    });
    records.Restore(position);
    return outcome;
}

} // namespace tessaly::print
