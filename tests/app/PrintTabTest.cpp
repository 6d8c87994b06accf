// The print tab: start-label messages, the print-mode tabs and label count, and the print and
// preview commands driving the print service with a recording sink.
#include "LabelSheetFixture.h"

#include "app/PrintTab.h"
#include "app/Tfapercupage.h"
#include "labelshapes/BarcodeShape.h"
#include "lang/UIText.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace tessaly::app {
namespace {

using sheet::PrintTab;

// Counts the copies on every sheet handed to it.
class CountingSink final : public print::SheetSink {
public:
    explicit CountingSink(std::vector<int>& sheets) : sheets_(sheets) {}
    void PrintSheet(document::TdtpDocument& document, QSizeF) override
    {
        sheets_.push_back(document.CurrentPage()->ChildCount());
    }

private:
    std::vector<int>& sheets_;
};

data::RowSet Rows(const std::vector<const char*>& quantities)
{
    data::RowSet rows({"num", "f1", "quantite"});
    int num = 0;
    for (const char* quantity : quantities) {
        rows.beginRow();
        rows.addValue(std::to_string(++num));
        rows.addValue("value" + std::to_string(num));
        rows.addValue(quantity);
    }
    return rows;
}

// A barcode shape on the label, its value fixed or from record field 1.
void AddBarcode(document::TdtpDocument& label, std::int32_t valueType)
{
    auto shape = std::make_unique<labelshapes::TdtpBarCodeShape>();
    shape->SetInsertionDefaults();
    shape->SetText(QStringLiteral("123"));
    values::ValueSource source;
    source.valueType = valueType;
    source.fieldNumber = 1;
    shape->SetSource(source);
    shape->SetBounds(2, 2, 40, 15);
    label.Pages(0)->AddChild(std::move(shape));
}

// The print tab wired as the main window wires it, onto an "AVERY L7164/J8164" sheet (12 labels).
struct PrintTabFixture : ::testing::Test {
    PrintTabFixture() : tab([](int n) { return QString::fromStdString(lang::UIText(n)); })
    {
        sheet.fields.BuildSizeList();
        sheet.choose(1);
        tab.labelDocument = [this] { return &sheet.document; };
        tab.sheetLayout = [this] { return sheet.fields.layout(); };
        tab.labelsPerPage = [this] { return sheet.fields.LabelsPerPage(); };
        tab.articleList = [this] { return &list; };
        tab.printerName = [] { return QStringLiteral("none"); };
        tab.makeSink = [this](const QString& printer, bool force, QSizeF sheetMm) -> std::unique_ptr<print::SheetSink> {
            sinkPrinter = printer;
            sinkForce = force;
            sinkSheet = sheetMm;
            return std::make_unique<CountingSink>(sheets);
        };
        tab.showWarning = [this](const QString& caption, const QString& text) { warnings << caption + "|" + text; };
        tab.showPreview = [this](Tfapercupage& preview) {
            previewShapes = preview.dtpPrintPreview().ShapeCount();
            preview.reject();
        };
        tab.showProgress = false;
    }

    void SetField(const char* name, const char* text) { tab.field(name)->setText(QString::fromLatin1(text)); }

    LabelSheet sheet;
    app::PrintTab tab;
    data::ArticleList list;
    std::vector<int> sheets;
    QString sinkPrinter;
    bool sinkForce = false;
    QSizeF sinkSheet;
    QStringList warnings;
    int previewShapes = -1;
};

TEST_F(PrintTabFixture, ControlsCarryTheirNamesAndDesignValues)
{
    for (const char* name : {"enbpageaimprimer", "enbetiquette", "enuetidebut", "enuetidebutbase"})
        EXPECT_EQ(tab.field(name)->text(), "1") << name;
    for (const char* name : {"raqualitebasse", "raqualitemoyenne", "raqualitehaute", "raqualitemaxi", "chforcetaille",
                             "pagetypeimpression", "tabimppage", "tabimpetiquette", "tabbase", "chsautpageenreg",
                             "cbrupturepagechamp", "cbrupturelignechamps", "labnbetiaimprimer", "Spapercu", "SpImprime"})
        EXPECT_NE(tab.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    ASSERT_NE(tab.barcodeQualityGroup(), nullptr);
    EXPECT_EQ(tab.barcodeQualityGroup()->objectName(), "gqualitecodebarre");
    EXPECT_TRUE(tab.barcodeQualityGroup()->findChild<QRadioButton*>("racbnormale")->isChecked());
    EXPECT_EQ(tab.activeTab(), PrintTab::Database);
    EXPECT_EQ(tab.qualityLevel(), 1);
    tab.findChild<QRadioButton*>("raqualitehaute")->setChecked(true);
    EXPECT_EQ(tab.qualityLevel(), 3);
}

TEST_F(PrintTabFixture, StartLabelOutsideTheSheetIsRefusedWithItsMessage)
{
    struct Case {
        PrintTab tab;
        const char* field;
        const char* start;
        bool accepted;
    };
    const Case cases[] = {
        {PrintTab::Labels, "enuetidebut", "12", true},      {PrintTab::Labels, "enuetidebut", "13", false},
        {PrintTab::Labels, "enuetidebut", "0", false},      {PrintTab::Labels, "enuetidebut", "x", false},
        {PrintTab::Database, "enuetidebutbase", "1", true}, {PrintTab::Database, "enuetidebutbase", "-1", false},
        {PrintTab::Pages, "enuetidebut", "99", true},
    };
    const QString message = QStringLiteral("Operation Impossible|Saisie Invalide\nLe n° de l'etiquette de depart est incorrect");
    for (const Case& c : cases) {
        warnings.clear();
        sheets.clear();
        tab.setActiveTab(c.tab);
        SetField(c.field, c.start);
        SetField("enbetiquette", "1");
        const bool printed = tab.PrintCommand().has_value();
        EXPECT_EQ(printed, c.accepted) << c.field << " " << c.start;
        EXPECT_EQ(warnings, c.accepted ? QStringList() : QStringList{message}) << c.start;
        if (!c.accepted)
            EXPECT_TRUE(sheets.empty());
    }
}

TEST_F(PrintTabFixture, PrintCommandRunsTheActiveTab)
{
    tab.setActiveTab(PrintTab::Labels);
    SetField("enbetiquette", "5");
    SetField("enuetidebut", "11");
    tab.findChild<QCheckBox*>("chforcetaille")->setChecked(true);
    const auto result = tab.PrintCommand();
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->Completed()) << result->error.toStdString();
    EXPECT_EQ(sheets, (std::vector<int>{2, 3}));
    EXPECT_EQ(sinkPrinter, "none");
    EXPECT_TRUE(sinkForce);
    EXPECT_NEAR(sinkSheet.width(), 210, 1e-6);
    EXPECT_NEAR(sinkSheet.height(), 297, 1e-6);

    // With the progress window, as the print button runs it.
    sheets.clear();
    tab.showProgress = true;
    tab.setActiveTab(PrintTab::Pages);
    SetField("enbpageaimprimer", "3");
    ASSERT_TRUE(tab.PrintCommand());
    EXPECT_EQ(sheets, (std::vector<int>{12, 12, 12}));
}

TEST_F(PrintTabFixture, DatabaseRunPrintsEveryQuantityAndKeepsTheCurrentRow)
{
    list.setRows(Rows({"2", "0", "3"}));
    list.moveTo(1);
    SetField("enuetidebutbase", "3");
    const auto result = tab.PrintCommand();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->labelsPlaced, 5);
    EXPECT_EQ(sheets, (std::vector<int>{5}));
    EXPECT_EQ(list.currentRow(), std::optional<std::size_t>(1));
}

TEST_F(PrintTabFixture, FieldThatIsNoIntegerStopsTheCommand)
{
    tab.setActiveTab(PrintTab::Pages);
    SetField("enbpageaimprimer", "2x");
    EXPECT_FALSE(tab.PrintCommand());
    EXPECT_TRUE(sheets.empty());
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains("2x"));
}

TEST_F(PrintTabFixture, PrintModeTabsFollowTheLabelContent)
{
    // A plain label: pages and labels, no database tab.
    tab.Pactiveonglettypesourceimpression();
    EXPECT_TRUE(tab.tabShown(PrintTab::Pages));
    EXPECT_TRUE(tab.tabShown(PrintTab::Labels));
    EXPECT_FALSE(tab.tabShown(PrintTab::Database));
    EXPECT_NE(tab.activeTab(), PrintTab::Database);

    // A label reading a record field: the database tab alone, with the number of labels.
    list.setRows(Rows({"2", "0", "x", "4"}));
    list.moveTo(2);
    AddBarcode(sheet.document, 2);
    tab.Pactiveonglettypesourceimpression();
    EXPECT_FALSE(tab.tabShown(PrintTab::Pages));
    EXPECT_FALSE(tab.tabShown(PrintTab::Labels));
    EXPECT_TRUE(tab.tabShown(PrintTab::Database));
    EXPECT_EQ(tab.activeTab(), PrintTab::Database);
    EXPECT_EQ(tab.labelCountLabel()->text(), "Nbre etiquettes qui vont être imprimées 7");
    EXPECT_EQ(list.currentRow(), std::optional<std::size_t>(2));
    EXPECT_TRUE(warnings.isEmpty());
}

TEST_F(PrintTabFixture, PreviewFillsOneSheetAndLeavesNoCopiesBehind)
{
    tab.setActiveTab(PrintTab::Labels);
    SetField("enbetiquette", "3");
    for (int i = 0; i < 2; ++i) {
        previewShapes = -1;
        ASSERT_TRUE(tab.PreviewCommand());
        EXPECT_EQ(previewShapes, 12);
        EXPECT_EQ(tab.previewWindow()->dtpPrintPreview().ShapeCount(), 0);
        EXPECT_EQ(tab.field("enbetiquette")->text(), "12");
    }
    EXPECT_TRUE(sheets.empty());
}

TEST_F(PrintTabFixture, DatabasePreviewShowsTheFirstSheetOfTheList)
{
    list.setRows(Rows({"2", "3"}));
    ASSERT_TRUE(tab.PreviewCommand());
    EXPECT_EQ(previewShapes, 5);
}

} // namespace
} // namespace tessaly::app
