// The document's undo and redo lists: grouping, dropping repeated records, the 10 MiB limit, and
// carrying a group of records out.
#include "document/core/Document.h"

namespace tessaly::document {
namespace {

constexpr qint64 kUndoLimit = 10 * 1024 * 1024;  // the list is trimmed once it holds more

}  // namespace

bool TdtpDocument::Recording() const
{
    return FRecordTarget != RecordTarget::Normal || UndoEnabled();
}

void TdtpDocument::AddCommand(std::unique_ptr<TdtpCommand> command)
{
    if (!command)
        return;
    if (FRecordTarget != RecordTarget::Normal) {
        // The way back of a record being carried out; one group per carried-out group.
        command->Grouped = std::exchange(FExecutionHasRecord, true);
        (FRecordTarget == RecordTarget::RedoList ? FRedoList : FUndoList).push_back(std::move(command));
        if (FRecordTarget == RecordTarget::UndoList)
            FUndoBytes += FUndoList.back()->Size();
        return;
    }
    if (!UndoEnabled())
        return;
    if (FUndoGroupDepth > 0)
        command->Grouped = std::exchange(FUndoGroupHasRecord, true);
    if (command->Kind == ckProperty && FRedoList.empty() && !FUndoList.empty()) {
        const TdtpCommand& last = *FUndoList.back();
        if (last.Kind == ckProperty && last.ShapeId == command->ShapeId && last.Name == command->Name &&
            last.OldValue == command->OldValue)
            return;
    }
    FRedoList.clear();
    FUndoBytes += command->Size();
    FUndoList.push_back(std::move(command));
    while (FUndoBytes > kUndoLimit && !FUndoList.empty()) {
        FUndoBytes -= FUndoList.front()->Size();
        FUndoList.pop_front();
    }
}

void TdtpDocument::ClearUndo()
{
    FUndoList.clear();
    FRedoList.clear();
    FUndoBytes = 0;
}

bool TdtpDocument::ExecuteCommand(const TdtpCommand& command)
{
    if (command.ShapeId == 0)
        return false;
    if (TdtpPage* page = CurrentPage())
        for (int i = 0; i < page->ChildCount(); ++i)
            if (page->GetChild(i)->ExecuteCommand(command))
                return true;
    for (auto& page : FPages)
        if (page->ExecuteCommand(command))
            return true;
    return false;
}

bool TdtpDocument::RunGroup(std::deque<std::unique_ptr<TdtpCommand>>& from, RecordTarget target)
{
    if (from.empty())
        return false;
    std::vector<std::unique_ptr<TdtpCommand>> group;
    do {
        group.push_back(std::move(from.back()));
        from.pop_back();
        if (&from == &FUndoList)
            FUndoBytes -= group.back()->Size();
    } while (group.back()->Grouped && !from.empty());
    const RecordTarget saved = std::exchange(FRecordTarget, target);
    FExecutionHasRecord = false;
    bool executed = true;
    BeginUpdate();
    try {
        for (const auto& command : group)  // newest first
            executed = ExecuteCommand(*command) && executed;
    } catch (...) {
        FRecordTarget = saved;
        EndUpdate();
        throw;
    }
    FRecordTarget = saved;
    EndUpdate();
    return executed;
}

bool TdtpDocument::Undo() { return RunGroup(FUndoList, RecordTarget::RedoList); }

bool TdtpDocument::Redo() { return RunGroup(FRedoList, RecordTarget::UndoList); }

}  // namespace tessaly::document
