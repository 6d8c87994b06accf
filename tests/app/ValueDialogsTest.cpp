// The two value-source windows driven without a modal loop: controls set, OK or cancel
// called, then the settings records and the example label checked.
#include "app/Tfparaspecial.h"
#include "app/Tfparazone.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace tessaly::app {
namespace {

using barcode::TBarcodeType;
using values::PanelKind;
using values::typvaleurspeciale;

QString TextNumber(int n)
{
    return QStringLiteral("T%1").arg(n);
}

template <typename W>
W* Child(QWidget& dialog, const char* name)
{
    W* widget = dialog.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

struct SpecialDialogFixture : ::testing::Test {
    values::ValueSettingsRecords records;
    // 31 January 2024 at 10:20:30, French separators.
    values::Tvaleurspeciale calculator{QLocale(QLocale::French, QLocale::France),
                                       [] { return QDateTime(QDate(2024, 1, 31), QTime(10, 20, 30)); }};
    Tfparaspecial dialog{TextNumber, records, calculator};
};

TEST_F(SpecialDialogFixture, NewRecordOpensOnTheDateTabAndStoresItsParameters)
{
    dialog.OpenFor(PanelKind::Text);
    auto* tabs = Child<QTabWidget>(dialog, "pcspecial");
    EXPECT_EQ(records.text.kind, 1);
    EXPECT_EQ(dialog.windowTitle(), "T235");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_TRUE(tabs->isTabVisible(0));
    EXPECT_FALSE(tabs->isTabVisible(1));
    EXPECT_TRUE(Child<QGroupBox>(dialog, "gchecksum")->isHidden());
    EXPECT_EQ(dialog.Example(), "31/01/2024");

    // A month later keeps the day, clamped to the end of February.
    Child<QLineEdit>(dialog, "edmois")->setText("1");
    EXPECT_EQ(dialog.Example(), "29/02/2024");
    Child<QLineEdit>(dialog, "eprefixe")->setText("du ");
    Child<QLineEdit>(dialog, "edjour")->setText("x");   // a non-integer offset counts as 0
    dialog.accept();

    EXPECT_EQ(records.text.text[0], "dd/mm/yyyy");
    EXPECT_EQ(records.text.number, (std::array<std::int32_t, 4>{0, 1, 0, 0}));
    EXPECT_EQ(records.text.prefix, "du ");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(SpecialDialogFixture, CounterExampleFollowsTheControlsAndOkStoresThem)
{
    records.barcode.kind = 2;
    records.barcode.keyType = "SSCC";
    dialog.OpenFor(PanelKind::Barcode, TBarcodeType::bcCodeEAN128B);
    EXPECT_EQ(dialog.windowTitle(), "T236");
    EXPECT_FALSE(Child<QTabWidget>(dialog, "pcspecial")->isTabVisible(0));
    EXPECT_EQ(dialog.Example(), "02");   // defaults: start 1 + label 1 x increment 1, 2 digits

    auto* keys = Child<QComboBox>(dialog, "cbtypechecksum");
    EXPECT_FALSE(Child<QGroupBox>(dialog, "gchecksum")->isHidden());
    EXPECT_EQ(keys->count(), 3);
    EXPECT_EQ(keys->currentText(), "SSCC");

    Child<QLineEdit>(dialog, "eddepart")->setText("100");
    Child<QRadioButton>(dialog, "raparenregistrement")->setChecked(true);
    Child<QComboBox>(dialog, "combincrement")->setEditText("10");
    Child<QComboBox>(dialog, "combnbcaracteres")->setEditText("4");
    EXPECT_EQ(dialog.Example(), "0110");
    keys->setCurrentIndex(1);
    Child<QLineEdit>(dialog, "esuffixe")->setText("-A");
    dialog.accept();

    EXPECT_EQ(records.barcode.number, (std::array<std::int32_t, 4>{100, 2, 10, 4}));
    EXPECT_EQ(records.barcode.text[0], "N");
    EXPECT_EQ(records.barcode.suffix, "-A");
    EXPECT_EQ(records.barcode.keyType, "EAN14");
}

TEST_F(SpecialDialogFixture, LeavingCounterBoxesCorrectsThem)
{
    records.dataMatrix.kind = 2;
    dialog.OpenFor(PanelKind::DataMatrix);
    struct Case {
        const char* box;
        const char* typed;
        const char* corrected;
    };
    const Case cases[] = {
        {"eddepart", "abc", "0"}, {"eddepart", "-5", "-5"},
        {"combincrement", "x", "0"}, {"combincrement", "7", "7"},
        {"combnbcaracteres", "?", "1"}, {"combnbcaracteres", "25", "10"}, {"combnbcaracteres", "3", "3"},
    };
    for (const Case& c : cases) {
        QWidget* widget = dialog.findChild<QWidget*>(QString::fromLatin1(c.box));
        ASSERT_NE(widget, nullptr) << c.box;
        auto* list = qobject_cast<QComboBox*>(widget);
        QLineEdit* box = list ? list->lineEdit() : qobject_cast<QLineEdit*>(widget);
        box->setText(QString::fromLatin1(c.typed));
        emit box->editingFinished();
        EXPECT_EQ(box->text(), c.corrected) << c.box << " " << c.typed;
    }
}

TEST_F(SpecialDialogFixture, ShowsStoredCounterAndCancelKeepsTheRecord)
{
    typvaleurspeciale stored;
    stored.kind = 2;
    stored.text[0] = "O";
    stored.number = {5, 1, 3, 1};
    stored.prefix = "N";
    stored.keyType = "EAN13";
    records.text = stored;
    dialog.OpenFor(PanelKind::Text);
    EXPECT_EQ(Child<QLineEdit>(dialog, "eddepart")->text(), "5");
    EXPECT_TRUE(Child<QRadioButton>(dialog, "raparetiquette")->isChecked());
    EXPECT_EQ(dialog.Example(), "5");   // restarts each record: start + copy 0 x increment
    EXPECT_EQ(Child<QLineEdit>(dialog, "eprefixe")->text(), "N");

    Child<QLineEdit>(dialog, "eddepart")->setText("9");
    dialog.reject();
    EXPECT_EQ(records.text, stored);

    // OK from a text panel leaves the key type alone.
    dialog.OpenFor(PanelKind::Text);
    dialog.accept();
    EXPECT_EQ(records.text, stored);
}

TEST(FieldDialog, EditsPrefixSuffixAndBarcodeKey)
{
    values::ValueSettingsRecords records;
    records.barcode.prefix = "P";
    records.barcode.suffix = "S";
    records.barcode.keyType = "EAN13";
    records.barcode.number = {1, 2, 3, 4};
    Tfparazone dialog(TextNumber, records);

    dialog.OpenFor(PanelKind::Barcode, TBarcodeType::bcCodeEAN13);
    EXPECT_TRUE(dialog.windowTitle().isEmpty());
    EXPECT_EQ(Child<QLineEdit>(dialog, "eprefixe")->text(), "P");
    EXPECT_EQ(Child<QComboBox>(dialog, "cbtypechecksum")->currentText(), "EAN13");
    EXPECT_EQ(Child<QGroupBox>(dialog, "gchecksum")->title(), "T243");
    Child<QLineEdit>(dialog, "eprefixe")->setText("0");
    Child<QComboBox>(dialog, "cbtypechecksum")->setCurrentIndex(0);
    dialog.accept();
    EXPECT_EQ(records.barcode.prefix, "0");
    EXPECT_EQ(records.barcode.suffix, "S");
    EXPECT_EQ(records.barcode.keyType, "");
    EXPECT_EQ(records.barcode.number, (std::array<std::int32_t, 4>{1, 2, 3, 4}));

    const typvaleurspeciale before = records.barcode;
    dialog.OpenFor(PanelKind::Barcode, TBarcodeType::bcCode39);
    EXPECT_TRUE(Child<QGroupBox>(dialog, "gchecksum")->isHidden());
    Child<QLineEdit>(dialog, "esuffixe")->setText("changed");
    dialog.reject();
    EXPECT_EQ(records.barcode, before);
}

TEST(FieldDialog, OtherPanelsHideTheKeyAndKeepIt)
{
    values::ValueSettingsRecords records;
    records.dataMatrix.keyType = "EAN8";
    Tfparazone dialog(TextNumber, records);
    dialog.OpenFor(PanelKind::DataMatrix, TBarcodeType::bcCodeEAN8);
    EXPECT_TRUE(Child<QGroupBox>(dialog, "gchecksum")->isHidden());
    Child<QLineEdit>(dialog, "esuffixe")->setText("kg");
    dialog.accept();
    EXPECT_EQ(records.dataMatrix.suffix, "kg");
    EXPECT_EQ(records.dataMatrix.keyType, "EAN8");
    EXPECT_TRUE(records.barcode.suffix.isEmpty());
}

} // namespace
} // namespace tessaly::app
