// Dispatch of the print command to the run of the active tab.
#include "print/PrintCommand.h"

namespace tessaly::print {

namespace {

class EmptyList final : public RecordCursor {
public:
    int RecordCount() const override { return 0; }
    void MoveTo(int) override {}
    const data::CurrentRecordSource& Current() const override { return none_; }

private:
    NoRecord none_;
};

} // namespace

int QualityLevel(bool maxi, bool haute, bool moyenne)
{
    return maxi ? 4 : haute ? 3 : moyenne ? 2 : 1;
}

RunResult RunPrintCommand(const RunSetup& setup, SheetSink& sink, RecordCursor* records,
                          const PrintCommandInput& input)
{
    switch (input.activeTab) {
    case sheet::PrintTab::Pages:
        return PrintFullSheets(setup, sink, input.sheets);
    case sheet::PrintTab::Labels:
        return PrintLabels(setup, sink, input.labels, input.labelStart);
    case sheet::PrintTab::Database:
        break;
    }
    EmptyList empty;
    return PrintDatabase(setup, sink, records ? *records : empty, input.database);
}

} // namespace tessaly::print
