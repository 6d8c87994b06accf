// Test doubles of a print run: rows in memory, a resolve hook that writes the run numbers into
// each copy's name, and a sink recording which label landed in which cell of which sheet.
#pragma once

#include "print/PrintRun.h"

#include <QString>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tessaly::print::testing {

struct Row {
    std::optional<std::int64_t> quantity;
    std::string f1;
};

class MemoryRecord final : public data::CurrentRecordSource {
public:
    const Row* row = nullptr;
    int number = 0;
    bool hasCurrentRecord() const override { return row != nullptr; }
    std::string fieldValue(int n) const override { return row && n == 1 ? row->f1 : std::string(); }
    std::int64_t recordNumber() const override { return number; }
    std::optional<std::int64_t> quantity() const override { return row ? row->quantity : std::nullopt; }
};

class MemoryRows final : public RecordCursor {
public:
    explicit MemoryRows(std::vector<Row> rows) : rows_(std::move(rows)) {}
    int RecordCount() const override { return int(rows_.size()); }
    void MoveTo(int j) override { record_.row = &rows_.at(j - 1); record_.number = j; }
    const data::CurrentRecordSource& Current() const override { return record_; }
    int Position() const override { return record_.number; }
    void Restore(int position) override
    {
        restored = position;
        if (position > 0)
            MoveTo(position);
    }
    int restored = -1;

private:
    std::vector<Row> rows_;
    MemoryRecord record_;
};

// "label/record/copy/f1", as the fake resolution names the copy.
inline QString LabelName(int label, int record, int copy, const std::string& f1 = {})
{
    return QStringLiteral("%1/%2/%3/%4").arg(label).arg(record).arg(copy).arg(QString::fromStdString(f1));
}

// Hooks that stand for the label shapes: resolution names the copy, `special` says whether the
// label has special values.
inline PrintHooks NamingHooks(bool special, int* resolveCalls = nullptr)
{
    PrintHooks hooks;
    hooks.resolvePage = [resolveCalls](document::TdtpShape& page, const values::ResolveContext& context,
                                       values::ResolveScope) {
        if (resolveCalls)
            ++*resolveCalls;
        page.SetName(LabelName(context.run.label, context.run.record, context.run.copy,
                               context.record.fieldValue(1)));
        return true;
    };
    hooks.pageUsesSource = [special](const document::TdtpShape&, std::int32_t type) {
        return type == 3 && special;
    };
    return hooks;
}

struct PlacedLabel {
    int cell = 0;
    QString name;
    float angle = 0;
    bool operator==(const PlacedLabel&) const = default;
};

using RecordedSheet = std::vector<PlacedLabel>;

// Finds each copy's cell from its position on the sheet.
class RecordingSink final : public SheetSink {
public:
    explicit RecordingSink(const sheet::SheetGrid& grid) : grid_(grid) {}

    void PrintSheet(document::TdtpDocument& document, QSizeF sheetMm) override
    {
        sheetSize = sheetMm;
        RecordedSheet sheet;
        const document::TdtpPage& page = *document.CurrentPage();
        for (int i = 0; i < page.ChildCount(); ++i) {
            const document::TdtpShape& copy = *page.GetChild(i);
            sheet.push_back({CellAt(copy.DocLeft(), copy.DocTop()), copy.Name(), copy.DocAngle()});
        }
        sheets.push_back(std::move(sheet));
    }

    int CellAt(float left, float top) const
    {
        for (int c = 1; c <= grid_.LabelsPerPage(); ++c) {
            const sheet::CellPlacement at = grid_.Placement(c);
            if (std::abs(at.left - left) < 1e-3 && std::abs(at.top - top) < 1e-3)
                return c;
        }
        return 0;
    }

    std::vector<RecordedSheet> sheets;
    QSizeF sheetSize;

private:
    sheet::SheetGrid grid_;
};

} // namespace tessaly::print::testing
