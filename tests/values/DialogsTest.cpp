// The rules of the special-value and field-value dialogs.
#include "ValuesTestSupport.h"
#include "values/ValueDialogs.h"

#include <gtest/gtest.h>

namespace tessaly::values {
namespace {

using barcode::TBarcodeType;

TEST(SpecialDialog, BoxesLeftWithBadText)
{
    struct Case {
        const char* box;
        const char* start;
        const char* digits;
        int offset;
    } cases[] = {
        {"5", "5", "5", 5},   {"-3", "-3", "-3", -3}, {"+4", "+4", "+4", 4}, {"abc", "0", "1", 0},
        {"", "0", "1", 0},    {"11", "11", "10", 11}, {"1.5", "0", "1", 0},  {"99999999999", "0", "1", 0},
    };
    for (const auto& c : cases) {
        const QString box = QString::fromLatin1(c.box);
        EXPECT_EQ(LeaveStartBox(box), QString::fromLatin1(c.start)) << c.box;
        EXPECT_EQ(LeaveIncrementBox(box), QString::fromLatin1(c.start)) << c.box;
        EXPECT_EQ(LeaveDigitsBox(box), QString::fromLatin1(c.digits)) << c.box;
        EXPECT_EQ(OffsetValue(box), c.offset) << c.box;
    }
}

TEST(SpecialDialog, OpeningGivesAKind)
{
    typvaleurspeciale record;
    EXPECT_EQ(PrepareSpecialDialog(record), 1);
    EXPECT_EQ(record.kind, 1);
    record.kind = 2;
    EXPECT_EQ(PrepareSpecialDialog(record), 2);
}

TEST(SpecialDialog, ExampleOfTheInitialControls)
{
    const Tvaleurspeciale calculator = test::fixedCalculator();
    SpecialDialogControls controls;
    controls.prefix = QStringLiteral("not shown");
    EXPECT_EQ(SpecialDialogExample(2, controls, calculator), QStringLiteral("02"));
    EXPECT_EQ(SpecialDialogExample(1, controls, calculator), QStringLiteral("31/01/2027"));
    controls.offsetMonths = QStringLiteral("1");
    EXPECT_EQ(SpecialDialogExample(1, controls, calculator), QStringLiteral("28/02/2027"));
}

TEST(SpecialDialog, OkStoresTheParametersOfTheRecordsKind)
{
    SpecialDialogControls controls;
    controls.start = QStringLiteral("100");
    controls.perLabel = false;
    controls.increment = QStringLiteral("x");
    controls.digits = QStringLiteral("12");
    controls.restartEachRecord = true;
    controls.offsetDays = QStringLiteral("7");
    controls.prefix = QStringLiteral("P");
    controls.suffix = QStringLiteral("S");
    controls.keyType = QStringLiteral("EAN13");

    typvaleurspeciale counter;
    counter.kind = 2;
    counter.keyType = QStringLiteral("UPCA");
    StoreSpecialDialog(counter, controls, PanelKind::Text);
    EXPECT_EQ(counter.text[0], QStringLiteral("O"));
    EXPECT_EQ(counter.number, (std::array<std::int32_t, 4>{100, 2, 0, 10}));
    EXPECT_EQ(counter.prefix, QStringLiteral("P"));
    EXPECT_EQ(counter.suffix, QStringLiteral("S"));
    EXPECT_EQ(counter.keyType, QStringLiteral("UPCA")); // key types belong to barcodes only

    typvaleurspeciale date;
    date.kind = 1;
    date.number[3] = 42;
    StoreSpecialDialog(date, controls, PanelKind::Barcode);
    EXPECT_EQ(date.text[0], QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(date.number, (std::array<std::int32_t, 4>{7, 0, 0, 42}));
    EXPECT_EQ(date.keyType, QStringLiteral("EAN13"));
}

TEST(FieldDialog, KeyGroupPerPanelAndSymbology)
{
    typvaleurspeciale record;
    record.prefix = QStringLiteral("pre");
    record.keyType = QStringLiteral("SSCC");

    const FieldDialogState ean128 = OpenFieldDialog(record, PanelKind::Barcode, TBarcodeType::bcCodeEAN128B);
    EXPECT_EQ(ean128.prefix, QStringLiteral("pre"));
    EXPECT_TRUE(ean128.key.visible);
    EXPECT_EQ(ean128.key.entries, (QStringList{"", "EAN14", "SSCC"}));
    EXPECT_EQ(ean128.key.selected, 2);

    EXPECT_FALSE(OpenFieldDialog(record, PanelKind::Barcode, TBarcodeType::bcCode39).key.visible);
    EXPECT_EQ(OpenFieldDialog(record, PanelKind::Barcode, TBarcodeType::bcCodeEAN13).key.selected, 0);
    EXPECT_FALSE(OpenFieldDialog(record, PanelKind::DataMatrix, TBarcodeType::bcCodeEAN13).key.visible);
}

TEST(FieldDialog, OkWritesBackToTheRecordOfThePanel)
{
    ValueSettingsRecords records;
    records.barcode.keyType = QStringLiteral("EAN13");
    AcceptFieldDialog(records.For(PanelKind::DataMatrix), PanelKind::DataMatrix, "a", "b", "SSCC");
    EXPECT_EQ(records.dataMatrix.prefix, QStringLiteral("a"));
    EXPECT_EQ(records.dataMatrix.keyType, QString());
    EXPECT_EQ(records.barcode.prefix, QString());
    AcceptFieldDialog(records.For(PanelKind::Barcode), PanelKind::Barcode, "c", "d", "");
    EXPECT_EQ(records.barcode.suffix, QStringLiteral("d"));
    EXPECT_EQ(records.barcode.keyType, QString());
    EXPECT_EQ(&records.For(PanelKind::Text), &records.text);
}

} // namespace
} // namespace tessaly::values
