// The barcode page of the element panel, driven through its controls: type reactions, value
// pages, validation, and loading a shape.
#include "LabelTestSupport.h"

#include "app/BarcodePanel.h"
#include "labelshapes/BarcodeShape.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace tessaly::app {
namespace {

using barcode::TBarcodeType;

TEST(BarcodeValidation, UnusableValuesBecomeZero)
{
    struct Case {
        TBarcodeType type;
        QString value;
        QString expected;
    };
    const Case cases[] = {
        {barcode::bcCodeEAN13, QStringLiteral("12345678901234"), QStringLiteral("0")},
        {barcode::bcCodeEAN13, QStringLiteral("123456789012"), QStringLiteral("123456789012")},
        {barcode::bcCodeEAN8, QStringLiteral("123456789"), QStringLiteral("0")},
        {barcode::bcCodeUPC_A, QStringLiteral("123456789012"), QStringLiteral("123456789012")},
        {barcode::bcCodeUPC_A, QStringLiteral("1234567890123"), QStringLiteral("0")},
        {barcode::bcCode93, QStringLiteral("AB12"), QStringLiteral("0")},
        {barcode::bcCode39, QStringLiteral("AB12"), QStringLiteral("AB12")},
        {barcode::bcCode128C, QStringLiteral(" 1234 "), QStringLiteral(" 1234 ")},
        {barcode::bcCodeEAN128C, QString(QChar(0x83)) + QStringLiteral("0112"),
         QString(QChar(0x83)) + QStringLiteral("0112")},
        {barcode::bcCodeEAN128B, QStringLiteral("AB"), QStringLiteral("AB")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValidateBarcodeValue(c.value, c.type), c.expected) << c.value.toStdString();
}

class BarcodePanelTest : public ::testing::Test {
protected:
    BarcodePanelTest() : panel([](int n) { return QStringLiteral("T%1").arg(n); }, records, calculator)
    {
        shape.SetInsertionDefaults();
        panel.SetShape(&shape);
    }
    template <class Control>
    Control* Find(const char* name)
    {
        auto* control = panel.findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    values::ValueSettingsRecords records;
    values::Tvaleurspeciale calculator = labelshapes::test::FixedCalculator();
    labelshapes::TdtpBarCodeShape shape;
    BarcodePanel panel;
};

TEST_F(BarcodePanelTest, ANewShapeLoadsAsCode39WithItsTextBelow)
{
    EXPECT_EQ(panel.objectName(), QStringLiteral("tabcb"));
    EXPECT_EQ(Find<QComboBox>("combtypecodebarre")->currentText(), QStringLiteral("Code39"));
    EXPECT_EQ(Find<QLineEdit>("edvaleurcodebarre")->text(), QStringLiteral("1234567890"));
    EXPECT_TRUE(Find<QCheckBox>("chaffichetexte")->isChecked());
    EXPECT_EQ(Find<QComboBox>("combpositiontexte")->currentText(), QStringLiteral("T137"));
    EXPECT_EQ(Find<QComboBox>("combtaillefonte")->currentText(), QStringLiteral("20"));
}

TEST_F(BarcodePanelTest, ChoosingEan13TurnsTheTextOnAndProposesItsKeyAndSample)
{
    Find<QCheckBox>("chaffichetexte")->setChecked(false);
    Find<QComboBox>("combtypecodebarre")->setCurrentText(QStringLiteral("CodeEAN13"));
    EXPECT_EQ(shape.Barcode().Typ(), barcode::bcCodeEAN13);
    EXPECT_EQ(shape.Barcode().ShowText(), barcode::bcoCode);
    EXPECT_EQ(shape.Barcode().ShowTextPosition(), barcode::stpBottomLeft);
    EXPECT_EQ(records.barcode.keyType, QStringLiteral("EAN13"));
    EXPECT_EQ(Find<QLineEdit>("edvaleurtestcodebarre")->text(), QStringLiteral("1234567890123"));
    EXPECT_EQ(shape.Source().special.keyType, QStringLiteral("EAN13"));

    Find<QLineEdit>("edvaleurcodebarre")->setText(QStringLiteral("12345678901234"));
    EXPECT_EQ(shape.Text(), QStringLiteral("0"));
    EXPECT_EQ(shape.TextAff(), QStringLiteral("0"));
}

TEST_F(BarcodePanelTest, TheFieldPageShowsTheTestValueWithThePlaceholder)
{
    Find<QComboBox>("combchampcodebarre")->setCurrentIndex(2);
    Find<QTabWidget>("pccodebarretypevaleur")->setCurrentIndex(1);
    EXPECT_EQ(shape.Text(), QStringLiteral("012345"));
    EXPECT_EQ(shape.TextAff(), QStringLiteral("[*3*]"));
    EXPECT_EQ(shape.Source().valueType, 2);
    EXPECT_EQ(shape.Source().fieldNumber, 3);

    // Selecting the shape again brings back the same page and values.
    BarcodePanel other([](int n) { return QString::number(n); }, records, calculator);
    other.LoadFromShape(shape);
    EXPECT_EQ(other.findChild<QTabWidget*>(QStringLiteral("pccodebarretypevaleur"))->currentIndex(), 1);
    EXPECT_EQ(other.findChild<QComboBox*>(QStringLiteral("combchampcodebarre"))->currentText(), QStringLiteral("3"));
}

TEST_F(BarcodePanelTest, TheSpecialPageShowsTheFirstLabelsValue)
{
    records.barcode.number = {5, 1, 1, 3};  // counter from 5, per label, step 1, three digits
    Find<QComboBox>("combtypespecialcodebarre")->setCurrentIndex(1);
    Find<QTabWidget>("pccodebarretypevaleur")->setCurrentIndex(2);
    EXPECT_EQ(shape.Source().valueType, 3);
    EXPECT_EQ(shape.Source().special.kind, 2);
    EXPECT_EQ(shape.Text(), QStringLiteral("006"));
    EXPECT_EQ(shape.TextAff(), QStringLiteral("006"));
}

TEST_F(BarcodePanelTest, AStoredTopLeftPositionShowsAsTopRight)
{
    labelshapes::TdtpBarCodeShape stored;
    stored.SetInsertionDefaults();
    stored.Barcode().SetShowTextPosition(barcode::stpTopLeft);
    panel.SetShape(&stored);
    EXPECT_EQ(Find<QComboBox>("combpositiontexte")->currentIndex(), 1);
    EXPECT_EQ(stored.Barcode().ShowTextPosition(), barcode::stpTopLeft);  // loading writes nothing
}

} // namespace
} // namespace tessaly::app
