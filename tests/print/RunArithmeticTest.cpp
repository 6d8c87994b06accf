// The run arithmetic: which label, record and copy land in which cell of which sheet.
#include "RecordingSink.h"

#include "print/PrintCommand.h"

#include <gtest/gtest.h>

namespace tessaly::print {
namespace {

using testing::LabelName;
using testing::MemoryRows;
using testing::NamingHooks;
using testing::PlacedLabel;
using testing::RecordedSheet;
using testing::RecordingSink;
using testing::Row;

// A 60 x 20 mm label on a 200 x 100 mm sheet with 10 mm outer margins: 3 columns, 4 rows.
struct RunFixture {
    document::TdtpPage label;
    values::Tvaleurspeciale calculator;
    RunSetup setup;

    explicit RunFixture(bool special, float labelWidth = 60, float labelHeight = 20)
    {
        label.SetSize(labelWidth, labelHeight);
        setup.labelPage = &label;
        setup.layout.labelWidth = labelWidth;
        setup.layout.labelHeight = labelHeight;
        setup.layout.pageWidth = 200;
        setup.layout.pageHeight = 100;
        setup.layout.outerMarginX = 10;
        setup.layout.outerMarginY = 10;
        setup.calculator = &calculator;
        setup.hooks = NamingHooks(special);
    }

    RecordingSink Sink() const
    {
        SheetAssembler probe(scratch, label, setup.layout, {}, true);
        return RecordingSink(probe.Grid());
    }

    mutable document::TdtpDocument scratch;
};

// Labels with cells and counters only (no record fields).
RecordedSheet Cells(std::initializer_list<std::pair<int, int>> cellAndLabel)
{
    RecordedSheet sheet;
    for (auto [cell, label] : cellAndLabel)
        sheet.push_back({cell, LabelName(label, 1, 1), 0});
    return sheet;
}

struct LabelsCase {
    const char* name;
    std::int64_t count;
    int start;
    float labelWidth, labelHeight;
    std::vector<RecordedSheet> expected;
};

TEST(PrintLabelsRun, PlacesExactlyCountLabelsFromTheStartCell)
{
    const std::vector<LabelsCase> cases = {
        {"five from cell 11", 5, 11, 60, 20, {Cells({{11, 1}, {12, 2}}), Cells({{1, 3}, {2, 4}, {3, 5}})}},
        {"one full sheet", 12, 1, 60, 20,
         {Cells({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9}, {10, 10}, {11, 11}, {12, 12}})}},
        {"count 0 prints one empty sheet", 0, 1, 60, 20, {RecordedSheet{}}},
        {"count 0 with one label per sheet prints nothing", 0, 1, 180, 80, {}},
        {"one label per sheet", 2, 1, 180, 80, {Cells({{1, 1}}), Cells({{1, 2}})}},
    };
    for (const LabelsCase& c : cases) {
        SCOPED_TRACE(c.name);
        RunFixture run(true, c.labelWidth, c.labelHeight);
        RecordingSink sink = run.Sink();
        const RunResult result = PrintLabels(run.setup, sink, c.count, c.start);
        EXPECT_TRUE(result.Completed()) << result.error.toStdString();
        EXPECT_EQ(sink.sheets, c.expected);
        EXPECT_EQ(result.sheetsPrinted, int(c.expected.size()));
    }
}

TEST(PrintLabelsRun, StartCellOutsideTheSheetPrintsNothing)
{
    for (int start : {0, 13, -5}) {
        RunFixture run(false);
        RecordingSink sink = run.Sink();
        const RunResult result = PrintLabels(run.setup, sink, 3, start);
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_TRUE(sink.sheets.empty());
    }
}

TEST(PrintFullSheetsRun, PrintsTheSameSheetEachTimeWithCountersRestarting)
{
    RunFixture run(true);
    RecordingSink sink = run.Sink();
    const RunResult result = PrintFullSheets(run.setup, sink, 3);
    ASSERT_EQ(sink.sheets.size(), 3u);
    EXPECT_EQ(result.sheetsPrinted, 3);
    RecordedSheet full;
    for (int c = 1; c <= 12; ++c)
        full.push_back({c, LabelName(c, 1, 1), 0});
    for (const RecordedSheet& sheet : sink.sheets)
        EXPECT_EQ(sheet, full);

    RecordingSink none = run.Sink();
    EXPECT_EQ(PrintFullSheets(run.setup, none, 0).sheetsPrinted, 0);
    EXPECT_TRUE(none.sheets.empty());
}

TEST(PrintFullSheetsRun, LabelWithoutSpecialValuesIsNotResolved)
{
    RunFixture run(false);
    int calls = 0;
    run.setup.hooks = NamingHooks(false, &calls);
    RecordingSink sink = run.Sink();
    PrintFullSheets(run.setup, sink, 1);
    EXPECT_EQ(calls, 0);
    ASSERT_EQ(sink.sheets.size(), 1u);
    EXPECT_EQ(sink.sheets[0].size(), 12u);
}

PlacedLabel At(int cell, int label, int record, int copy, const std::string& f1 = {})
{
    return {cell, LabelName(label, record, copy, f1), 0};
}

struct DatabaseCase {
    const char* name;
    std::vector<Row> rows;
    DatabaseRun run;
    std::vector<RecordedSheet> expected;
};

TEST(PrintDatabaseRun, WalksRowsQuantitiesAndBreaks)
{
    const std::vector<DatabaseCase> cases = {
        {"quantities 2, 0 and 3",
         {{2, "a"}, {0, "b"}, {3, "c"}},
         {4, {}},
         {{At(4, 1, 1, 1, "a"), At(5, 2, 1, 2, "a"), At(6, 3, 3, 1, "c"), At(7, 4, 3, 2, "c"), At(8, 5, 3, 3, "c")}}},
        {"unreadable quantity gives one label, negative none",
         {{std::nullopt, "a"}, {-4, "b"}, {1, "c"}},
         {1, {}},
         {{At(1, 1, 1, 1, "a"), At(2, 2, 3, 1, "c")}}},
        {"page break per record",
         {{1, "a"}, {1, "b"}, {1, "c"}},
         {2, {true, 0, 0}},
         {{At(2, 1, 1, 1, "a")}, {At(1, 2, 2, 1, "b")}, {At(1, 3, 3, 1, "c")}}},
        {"page break on a field",
         {{1, "a"}, {1, "a"}, {2, "b"}},
         {1, {false, 1, 0}},
         {{At(1, 1, 1, 1, "a"), At(2, 2, 2, 1, "a")}, {At(1, 3, 3, 1, "b"), At(2, 4, 3, 2, "b")}}},
        {"row break on a field changing every record",
         {{2, "a"}, {1, "b"}, {1, "c"}},
         {1, {false, 0, 1}},
         {{At(1, 1, 1, 1, "a"), At(2, 2, 1, 2, "a"), At(4, 3, 2, 1, "b"), At(7, 4, 3, 1, "c")}}},
        {"row break at the start of a row skips nothing",
         {{3, "a"}, {1, "b"}},
         {1, {false, 0, 1}},
         {{At(1, 1, 1, 1, "a"), At(2, 2, 1, 2, "a"), At(3, 3, 1, 3, "a"), At(4, 4, 2, 1, "b")}}},
        {"overflow continues on the next sheet",
         {{3, "a"}},
         {11, {}},
         {{At(11, 1, 1, 1, "a"), At(12, 2, 1, 2, "a")}, {At(1, 3, 1, 3, "a")}}},
        {"empty list prints one empty sheet", {}, {1, {}}, {RecordedSheet{}}},
    };
    for (const DatabaseCase& c : cases) {
        SCOPED_TRACE(c.name);
        RunFixture run(true);
        RecordingSink sink = run.Sink();
        MemoryRows rows(c.rows);
        const RunResult result = PrintDatabase(run.setup, sink, rows, c.run);
        EXPECT_TRUE(result.Completed()) << result.error.toStdString();
        EXPECT_EQ(sink.sheets, c.expected);
    }
}

TEST(PrintDatabaseRun, LabelWithoutSpecialValuesResolvesOncePerRecordAndReusesTheCache)
{
    RunFixture run(false);
    int calls = 0;
    run.setup.hooks = NamingHooks(false, &calls);
    RecordingSink sink = run.Sink();
    MemoryRows rows({{3, "a"}, {1, "b"}});
    PrintDatabase(run.setup, sink, rows, {});
    EXPECT_EQ(calls, 2);
    ASSERT_EQ(sink.sheets.size(), 1u);
    const RecordedSheet expected{At(1, 1, 1, 1, "a"), At(2, 1, 1, 1, "a"), At(3, 1, 1, 1, "a"),
                                 At(4, 4, 2, 1, "b")};
    EXPECT_EQ(sink.sheets[0], expected);
}

TEST(PrintDatabaseRun, RestoresTheCurrentRowAndStopsWhenCancelled)
{
    RunFixture run(true);
    MemoryRows rows({{12, "a"}, {12, "b"}, {12, "c"}});
    rows.MoveTo(2);
    int reports = 0;
    run.setup.progress = [&](const Progress& progress) {
        ++reports;
        EXPECT_EQ(progress.labelsTotal, 36);
        return progress.sheetsPrinted < 1;
    };
    RecordingSink sink = run.Sink();
    const RunResult result = PrintDatabase(run.setup, sink, rows, {});
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(sink.sheets.size(), 1u);
    EXPECT_EQ(rows.restored, 2);
    EXPECT_GT(reports, 0);
}

TEST(VerticalOrientation, CopiesTurnAndRowsCountFromTheBottomEdge)
{
    RunFixture run(true, 60, 20);
    run.setup.layout.verticalOrientation = true;
    RecordingSink sink = run.Sink();
    PrintLabels(run.setup, sink, 2, 1);
    ASSERT_EQ(sink.sheets.size(), 1u);
    const RecordedSheet expected{{1, LabelName(1, 1, 1), 90}, {2, LabelName(2, 1, 1), 90}};
    EXPECT_EQ(sink.sheets[0], expected);
    // Cell 1 stands on the bottom margin: the copy's origin is the sheet height less the margin.
    document::TdtpDocument scratch;
    SheetAssembler probe(scratch, run.label, run.setup.layout, {}, true);
    EXPECT_DOUBLE_EQ(probe.Grid().Placement(1).top, 90.0);
    EXPECT_DOUBLE_EQ(probe.Grid().Placement(2).left, 30.0);
}

TEST(Preview, RebuildingTheSheetLeavesNoCopiesBehind)
{
    RunFixture run(true);
    document::TdtpDocument preview;
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(PreviewSheet(run.setup, preview).Completed());
        EXPECT_EQ(preview.CurrentPage()->ChildCount(), 12);
    }
    EXPECT_FLOAT_EQ(preview.CurrentPage()->DocWidth(), 200.0f);
}

TEST(Preview, DatabasePreviewStopsAtTheFirstCopyThatDoesNotFit)
{
    RunFixture run(true);
    document::TdtpDocument preview;
    MemoryRows rows({{10, "a"}, {5, "b"}});
    const RunResult result = PreviewDatabase(run.setup, rows, 1, preview);
    EXPECT_TRUE(result.Completed());
    EXPECT_EQ(preview.CurrentPage()->ChildCount(), 12);
    EXPECT_EQ(preview.CurrentPage()->GetChild(11)->Name(), LabelName(12, 2, 2, "b"));
}

TEST(PrintCommandDispatch, RunsTheActiveTabsMode)
{
    struct Case { sheet::PrintTab tab; std::vector<std::size_t> labelsPerSheet; };
    const Case cases[] = {
        {sheet::PrintTab::Pages, {12, 12}},
        {sheet::PrintTab::Labels, {2, 3}},
        {sheet::PrintTab::Database, {0}},   // no rows: one empty sheet
    };
    for (const Case& c : cases) {
        RunFixture run(true);
        RecordingSink sink = run.Sink();
        PrintCommandInput input;
        input.activeTab = c.tab;
        input.sheets = 2;
        input.labels = 5;
        input.labelStart = 11;
        EXPECT_TRUE(RunPrintCommand(run.setup, sink, nullptr, input).Completed());
        std::vector<std::size_t> counts;
        for (const RecordedSheet& sheet : sink.sheets)
            counts.push_back(sheet.size());
        EXPECT_EQ(counts, c.labelsPerSheet) << int(c.tab);
    }
    EXPECT_EQ(QualityLevel(true, true, true), 4);
    EXPECT_EQ(QualityLevel(false, true, true), 3);
    EXPECT_EQ(QualityLevel(false, false, true), 2);
    EXPECT_EQ(QualityLevel(false, false, false), 1);
}

} // namespace
} // namespace tessaly::print
