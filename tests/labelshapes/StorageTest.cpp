// Stored keys of the barcode and DataMatrix shapes: key order, default omission, round trips
// through the shape registry, and damaged values.
#include "LabelTestSupport.h"

#include "document/core/ShapeRegistry.h"
#include "labelshapes/BarcodeShape.h"
#include "labelshapes/DatamatrixShape.h"
#include "labelshapes/ExtendedTextShape.h"
#include "labelshapes/LabelShapes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaly::labelshapes {
namespace {

using test::ShapeXml;

// Element names after the base part (everything from `first` on), in document order.
std::vector<std::string> KeysFrom(const QByteArray& xml, const std::string& first)
{
    pugi::xml_document document;
    EXPECT_TRUE(document::ParseXml(document, xml));
    std::vector<std::string> keys;
    bool started = false;
    for (pugi::xml_node child : document.child("Shape").children()) {
        started = started || child.name() == first;
        if (started)
            keys.push_back(child.name());
    }
    return keys;
}

// Saves `shape`, recreates it by class name through the registry and loads the XML into it.
std::unique_ptr<document::TdtpShape> Reload(const document::TdtpShape& shape)
{
    const QByteArray xml = ShapeXml(shape);
    pugi::xml_document document;
    EXPECT_TRUE(document::ParseXml(document, xml));
    auto copy = document::CreateShape(shape.ClassName());
    copy->LoadFromXml(document.child("Shape"));
    return copy;
}

values::ValueSource SpecialSource()
{
    values::ValueSource source;
    source.valueType = 3;
    source.fieldNumber = 7;
    source.special.kind = 2;
    source.special.prefix = QStringLiteral("P-");
    source.special.suffix = QStringLiteral("-S");
    source.special.text = {QStringLiteral("O"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
    source.special.number = {1, 2, 3, 4};
    source.special.keyType = QStringLiteral("EAN13");
    return source;
}

TEST(BarcodeStorage, EveryValueSurvivesSaveAndLoadThroughTheRegistry)
{
    RegisterLabelShapes();
    TdtpBarCodeShape shape;
    shape.SetInsertionDefaults();
    barcode::TAsBarcode& engine = shape.Barcode();
    engine.SetTyp(barcode::bcCode128B);
    engine.SetModul(3);
    shape.SetText(QStringLiteral("Prix 5€"));
    shape.SetTextAff(QStringLiteral("[*3*]"));
    engine.SetTextFormatA("(?\?)");
    engine.SetChecksum(true);
    engine.Color = 0x00C0FFEE;
    engine.ColorBar = 0x00102030;
    engine.SetShowTextPosition(barcode::stpTopCenter);
    barcode::TFontSpec font = engine.ShowTextFont();
    font.Name = "Arial";
    font.Color = 0x0000FF;
    font.Bold = font.Italic = font.Underline = font.StrikeOut = true;
    font.SetSize(20);
    font.Charset = 238;
    engine.SetShowTextFont(font);
    shape.SetDocAngle(30);
    shape.SetSource(SpecialSource());

    const auto copy = Reload(shape);
    auto* barcodeCopy = dynamic_cast<TdtpBarCodeShape*>(copy.get());
    ASSERT_NE(barcodeCopy, nullptr);
    const barcode::TAsBarcode& loaded = barcodeCopy->Barcode();
    EXPECT_EQ(loaded.Typ(), barcode::bcCode128B);
    EXPECT_EQ(loaded.Modul(), 3);
    EXPECT_EQ(barcodeCopy->Text(), QStringLiteral("Prix 5€"));
    EXPECT_EQ(barcodeCopy->TextAff(), QStringLiteral("[*3*]"));
    EXPECT_EQ(loaded.TextFormatA(), "(?\?)");
    EXPECT_TRUE(loaded.Checksum());
    EXPECT_EQ(loaded.Color, 0x00C0FFEEu);
    EXPECT_EQ(loaded.ColorBar, 0x00102030u);
    EXPECT_EQ(loaded.ShowText(), barcode::bcoCode);
    EXPECT_EQ(loaded.ShowTextPosition(), barcode::stpTopCenter);
    EXPECT_EQ(loaded.ShowTextFont(), font);
    EXPECT_EQ(loaded.Angle(), 0.0);
    EXPECT_FLOAT_EQ(barcodeCopy->DocAngle(), 30.0f);
    EXPECT_EQ(barcodeCopy->Source(), SpecialSource());
    EXPECT_EQ(ShapeXml(*barcodeCopy), ShapeXml(shape));
}

TEST(BarcodeStorage, KeysComeInTheirOrderAndDefaultsAreLeftOut)
{
    TdtpBarCodeShape shape;
    shape.SetInsertionDefaults();
    shape.SetSource(SpecialSource());
    shape.Barcode().SetTextFormatA("(?\?)");
    shape.Barcode().SetChecksum(true);
    shape.SetDocAngle(10);
    const std::vector<std::string> full = {
        "Typ", "Modul", "Ratio", "Width", "Text", "TextAff", "TextFormatA", "Checksum", "DAngle",
        "Couleur", "TopafficheText", "Positiontexte", "Fonte", "Ftypevaleur", "Fnuchamp",
        "Ftypevaleurspeciale", "Fvaleurspeciale1", "Fvaleurspeciale2", "Fvaleurspeciale3",
        "Fvaleurspeciale4", "Fvaleurspecialeint1", "Fvaleurspecialeint2", "Fvaleurspecialeint3",
        "Fvaleurspecialeint4", "Fprefixe", "Fsuffixe", "Ftypechecksum"};
    EXPECT_EQ(KeysFrom(ShapeXml(shape), "Typ"), full);

    // A new engine: only what differs from 0, false or empty, and the font element.
    TdtpBarCodeShape plain;
    const std::vector<std::string> sparse = {"Typ", "Modul", "Ratio", "Couleur", "Fonte"};
    EXPECT_EQ(KeysFrom(ShapeXml(plain), "Typ"), sparse);
    pugi::xml_document document;
    ASSERT_TRUE(document::ParseXml(document, ShapeXml(plain)));
    std::vector<std::string> fontKeys;
    for (pugi::xml_node child : document.child("Shape").child("Fonte").children())
        fontKeys.push_back(child.name());
    EXPECT_EQ(fontKeys, (std::vector<std::string>{"Name", "Size", "Charset"}));
}

TEST(ExtendedTextStorage, SourceKeysFollowTheTextInTheirOrderWithoutAKeyType)
{
    RegisterLabelShapes();
    TdtpTexteetenduShape shape;
    shape.SetText(QStringLiteral("P-[*7*]-S"));
    shape.SetSource(SpecialSource());
    const std::vector<std::string> keys = {
        "Ftypevaleur", "Ftypevaleurspeciale", "Fnuchamp", "Fvaleurspeciale1", "Fvaleurspeciale2",
        "Fvaleurspeciale3", "Fvaleurspeciale4", "Fvaleurspecialeint1", "Fvaleurspecialeint2",
        "Fvaleurspecialeint3", "Fvaleurspecialeint4", "Fprefixe", "Fsuffixe"};
    EXPECT_EQ(KeysFrom(ShapeXml(shape), "Ftypevaleur"), keys);

    const auto copy = Reload(shape);
    const auto* text = dynamic_cast<const TdtpTexteetenduShape*>(copy.get());
    ASSERT_NE(text, nullptr);
    values::ValueSource expected = SpecialSource();
    expected.special.keyType.clear();
    EXPECT_EQ(text->Source(), expected);
    EXPECT_EQ(text->Text(), QStringLiteral("P-[*7*]-S"));
    EXPECT_EQ(ShapeXml(*copy), ShapeXml(shape));
}

TEST(BarcodeStorage, DamagedValuesFallBackToSafeOnes)
{
    pugi::xml_document document;
    ASSERT_TRUE(document::ParseXml(document, QByteArray(
        "<Shape><ClassName>TdtpBarCodeShape</ClassName><Typ>99</Typ><Modul>80</Modul>"
        "<Positiontexte>-4</Positiontexte><Fonte><Size>99999999</Size></Fonte>"
        "<Ftypevaleur>x</Ftypevaleur></Shape>")));
    TdtpBarCodeShape shape;
    shape.LoadFromXml(document.child("Shape"));
    EXPECT_EQ(shape.Barcode().Typ(), barcode::bcCode_2_5_interleaved);
    EXPECT_EQ(shape.Barcode().Modul(), 1);
    EXPECT_EQ(shape.Barcode().ShowTextPosition(), barcode::stpTopLeft);
    EXPECT_EQ(shape.Barcode().ShowTextFont().Size(), 1000);
    EXPECT_EQ(shape.Source().valueType, 0);
}

TEST(DatamatrixStorage, EveryValueSurvivesSaveAndLoadInKeyOrder)
{
    RegisterLabelShapes();
    TdtpBDatamatrixShape shape;
    shape.SetInsertionDefaults();
    datamatrix::TDatamatrix& encoder = shape.Encoder();
    encoder.setEncoding(datamatrix::TEncoding::E_C40);
    encoder.setPreferredFormat(datamatrix::TFormat::C16X16);
    shape.SetCode(QStringLiteral("ÉTIQUETTE 42"));
    encoder.setPixelsDot(6);
    encoder.setMargin(3);
    encoder.setBarColor(0x00112233);
    encoder.setBackColor(0x00FFFFFE);
    encoder.setWidth(120);
    encoder.setHeight(90);
    shape.SetTextAff(QStringLiteral("[*4*]"));
    shape.SetDocAngle(90);
    values::ValueSource source = SpecialSource();
    source.special.keyType.clear();
    shape.SetSource(source);

    const auto copy = Reload(shape);
    auto* loaded = dynamic_cast<TdtpBDatamatrixShape*>(copy.get());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->Encoder().Encoding(), datamatrix::TEncoding::E_C40);
    EXPECT_EQ(loaded->Encoder().PreferredFormat(), datamatrix::TFormat::C16X16);
    EXPECT_EQ(loaded->Code(), QStringLiteral("ÉTIQUETTE 42"));
    EXPECT_EQ(loaded->Encoder().PixelsDot(), 6);
    EXPECT_EQ(loaded->Encoder().Margin(), 3);
    EXPECT_EQ(loaded->Encoder().BarColor(), 0x00112233u);
    EXPECT_EQ(loaded->Encoder().BackColor(), 0x00FFFFFEu);
    EXPECT_FALSE(loaded->Encoder().ProcessTilde());
    EXPECT_EQ(loaded->TextAff(), QStringLiteral("[*4*]"));
    EXPECT_FLOAT_EQ(loaded->DocAngle(), 90.0f);
    EXPECT_EQ(loaded->Source(), source);
    EXPECT_EQ(ShapeXml(*loaded), ShapeXml(shape));

    const std::vector<std::string> keys = {
        "Encoding", "PreferredFormat", "Text", "PixelsDot", "Margin", "BarColor", "BackColor",
        "AutoFit", "Width", "Height", "DAngle", "Ftypevaleur", "Fnuchamp", "FTextAff",
        "Ftypevaleurspeciale", "Fvaleurspeciale1", "Fvaleurspeciale2", "Fvaleurspeciale3",
        "Fvaleurspeciale4", "Fvaleurspecialeint1", "Fvaleurspecialeint2", "Fvaleurspecialeint3",
        "Fvaleurspecialeint4", "Fprefixe", "Fsuffixe"};
    EXPECT_EQ(KeysFrom(ShapeXml(shape), "Encoding"), keys);
}

TEST(DatamatrixStorage, HugeModuleSizesAreBounded)
{
    pugi::xml_document document;
    ASSERT_TRUE(document::ParseXml(document, QByteArray(
        "<Shape><PixelsDot>2000000000</PixelsDot><Margin>-2000000000</Margin>"
        "<Encoding>17</Encoding></Shape>")));
    TdtpBDatamatrixShape shape;
    shape.LoadFromXml(document.child("Shape"));
    EXPECT_EQ(shape.Encoder().PixelsDot(), 1000);
    EXPECT_EQ(shape.Encoder().Margin(), -1000000);
    EXPECT_EQ(shape.Encoder().Encoding(), datamatrix::TEncoding::E_ASCII);
}

TEST(LabelShapeStorage, APageRecreatesBothShapesByClassName)
{
    RegisterLabelShapes();
    auto document = test::LabelDocument(60, 30);
    document::TdtpPage* page = document->Pages(0);
    auto barcodeShape = std::make_unique<TdtpBarCodeShape>();
    barcodeShape->SetInsertionDefaults();
    page->AddChild(std::move(barcodeShape));
    auto matrix = std::make_unique<TdtpBDatamatrixShape>();
    matrix->SetInsertionDefaults();
    page->AddChild(std::move(matrix));

    pugi::xml_document xml;
    pugi::xml_node root = xml.append_child("Page");
    page->SaveToXml(root);
    document::TdtpPage copy;
    copy.LoadFromXml(root);
    ASSERT_EQ(copy.ChildCount(), 2);
    EXPECT_NE(dynamic_cast<TdtpBarCodeShape*>(copy.GetChild(0)), nullptr);
    EXPECT_NE(dynamic_cast<TdtpBDatamatrixShape*>(copy.GetChild(1)), nullptr);
}

} // namespace
} // namespace tessaly::labelshapes
