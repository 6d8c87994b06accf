#include "LabelSheetFixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <gtest/gtest.h>

using tessaly::sheet::Unit;

namespace {

const QStringList kAvery7164Mm = {"63.50", "72.00", "210.00", "297.00", "7.00", "4.50", "0.00", "0.00"};
const QStringList kAvery7164Inch = {"2.50", "2.83", "8.27", "11.69", "0.28", "0.18", "0.00", "0.00"};

void leave(QLineEdit* field, const QString& typed)
{
    field->setText(typed);
    emit field->editingFinished();
}

} // namespace

TEST(SheetFields, ControlsCarryTheirNamesAndDesignValues)
{
    LabelSheet sheet;
    EXPECT_EQ(sheet.fields.formatGroup()->objectName(), "gformatdocument");
    EXPECT_EQ(sheet.fields.unitGroup()->objectName(), "Groupunite");
    EXPECT_EQ(sheet.texts(), QStringList({"210", "297", "210", "297", "0", "0", "0", "0"}));
    EXPECT_TRUE(sheet.fields.formatGroup()->findChild<QLineEdit*>("elargeur"));
    EXPECT_TRUE(sheet.fields.pageGroup()->findChild<QLineEdit*>("edBetweenMarginY"));
    EXPECT_TRUE(sheet.fields.pageGroup()->findChild<QCheckBox*>("chorientation"));
    EXPECT_TRUE(sheet.fields.unitGroup()->findChild<QRadioButton*>("raunitmm")->isChecked());
    EXPECT_EQ(sheet.fields.sizeList()->count(), 37);
    EXPECT_EQ(sheet.fields.sizeListIndex(), 0);
}

TEST(SheetFields, LeavingALengthFieldNormalisesIt)
{
    struct Case {
        char separator;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {'.', "7", "7.00"},       {'.', " 12.345", "12.35"}, {'.', "abc", "0.00"},
        {'.', "", "0.00"},        {'.', "12,5", "0.00"},     {',', "12,5", "12,50"},
        {',', "12.5", "0,00"},    {'.', "-3", "-3.00"},
    };
    for (const Case& c : cases) {
        LabelSheet sheet;
        sheet.fields.setDecimalSeparator(c.separator);
        for (int i = 0; i < 8; ++i) {
            leave(sheet.fields.lengthField(i), QString::fromLatin1(c.typed));
            EXPECT_EQ(sheet.fields.lengthField(i)->text(), QString::fromLatin1(c.shown)) << c.typed << " field " << i;
        }
    }
}

TEST(SheetFields, LeavingALabelFieldResizesThePageOthersDoNot)
{
    LabelSheet sheet;
    leave(sheet.fields.lengthField(0), "50");
    leave(sheet.fields.lengthField(1), "-3");   // not above 0: 1 mm
    EXPECT_EQ(sheet.pageSize(), QSizeF(50, 1));
    const int zooms = sheet.zooms;
    leave(sheet.fields.lengthField(2), "100");
    EXPECT_EQ(sheet.pageSize(), QSizeF(50, 1));
    EXPECT_EQ(sheet.zooms, zooms);
}

TEST(SheetFields, UnparsableLabelFieldLeavesThePageAlone)
{
    LabelSheet sheet;
    sheet.fields.lengthField(0)->setText("wide");
    sheet.fields.ApplyLabelSize();
    EXPECT_EQ(sheet.pageSize(), QSizeF(210, 297));
}

TEST(SheetFields, PredefinedSizeFillsFieldsInTheDisplayedUnit)
{
    LabelSheet sheet;
    sheet.fields.setVerticalOrientation(true);
    sheet.choose(1);
    EXPECT_EQ(sheet.texts(), kAvery7164Mm);
    EXPECT_EQ(sheet.pageSize(), QSizeF(63.5, 72));
    EXPECT_TRUE(sheet.fields.verticalOrientation());   // the orientation is not touched
    EXPECT_GT(sheet.zooms, 0);

    sheet.fields.ChangeUnit(Unit::Inch);
    sheet.choose(0);
    EXPECT_EQ(sheet.texts(), QStringList({"8.27", "11.69", "8.27", "11.69", "0.00", "0.00", "0.00", "0.00"}));
    sheet.choose(1);
    EXPECT_EQ(sheet.texts(), kAvery7164Inch);
    EXPECT_EQ(sheet.pageSize(), QSizeF(63.5, float(2.83 * 25.4)));
}

TEST(SheetFields, LabelsPerPageFollowsTheFieldsAndOrientation)
{
    LabelSheet sheet;
    sheet.choose(1);
    EXPECT_EQ(sheet.fields.LabelsPerPage(), 12);
    sheet.fields.setVerticalOrientation(true);
    EXPECT_EQ(sheet.fields.LabelsPerPage(), 8);
    const tessaly::sheet::SheetLayout layout = sheet.fields.layout();
    EXPECT_TRUE(layout.verticalOrientation);
    EXPECT_FLOAT_EQ(layout.outerMarginY, 4.5);
}

TEST(SheetFields, UnitButtonsConvertEveryFieldOnce)
{
    LabelSheet sheet;
    sheet.choose(1);
    std::vector<std::pair<Unit, bool>> rulers;   // unit and the panel flag while it was set
    sheet.fields.setLabelRulerUnits = [&](Unit unit) { rulers.emplace_back(unit, sheet.fields.panelFlag()); };
    auto* inch = sheet.fields.unitGroup()->findChild<QRadioButton*>("raunitinch");
    auto* mm = sheet.fields.unitGroup()->findChild<QRadioButton*>("raunitmm");

    inch->click();
    EXPECT_EQ(sheet.texts(), kAvery7164Inch);
    inch->click();   // the selected button again: nothing changes
    EXPECT_EQ(sheet.texts(), kAvery7164Inch);
    mm->click();
    EXPECT_EQ(sheet.texts(), QStringList({"63.50", "71.88", "210.06", "296.93", "7.11", "4.57", "0.00", "0.00"}));
    EXPECT_EQ(rulers, (std::vector<std::pair<Unit, bool>>{{Unit::Inch, false}, {Unit::Millimetre, false}}));
    EXPECT_TRUE(sheet.fields.panelFlag());
    EXPECT_EQ(sheet.pageSize(), QSizeF(63.5, 71.88f));
}

TEST(SheetFields, UnitButtonsConvertNothingWhileNotReady)
{
    LabelSheet sheet;
    sheet.fields.setReady(false);
    sheet.fields.unitGroup()->findChild<QRadioButton*>("raunitinch")->click();
    EXPECT_EQ(sheet.texts(), QStringList({"210", "297", "210", "297", "0", "0", "0", "0"}));
    EXPECT_EQ(sheet.fields.rulerUnit(), Unit::Millimetre);
}
