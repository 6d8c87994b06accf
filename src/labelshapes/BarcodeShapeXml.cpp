// The stored keys of the barcode shape.
#include "labelshapes/BarcodeShape.h"

#include "barcode/BarcodeError.h"
#include "document/core/XmlKeys.h"
#include "labelshapes/FontXml.h"
#include "labelshapes/TextCodes.h"
#include "labelshapes/ValueSourceXml.h"

#include <exception>

namespace tessaly::labelshapes {

using namespace tessaly::document;

namespace {

constexpr int kMinModul = 1;
constexpr int kMaxModul = 49;
constexpr int kTextPositionCount = 6;

// The engine's computed width, worked out on a copy: encoding may rewrite the text, and a
// value the symbology cannot encode must not stop the document from being saved.
int ComputedWidth(const barcode::TAsBarcode& engine)
{
    barcode::TAsBarcode probe = engine;
    probe.OnChange = nullptr;
    try {
        return probe.Width();
    } catch (const std::exception&) {
        return 0;
    }
}

} // namespace

void TdtpBarCodeShape::SaveToXml(pugi::xml_node& node) const
{
    TdtpEffectShape::SaveToXml(node);
    WriteInteger(node, "Typ", static_cast<int>(FBarcode.Typ()), 0);
    WriteInteger(node, "Modul", FBarcode.Modul(), 0);
    WriteFloat(node, "Ratio", FBarcode.Ratio(), 0.0);
    WriteFloat(node, "RAngle", FBarcode.Angle(), 0.0);
    WriteInteger(node, "Left", FBarcode.Left(), 0);
    WriteInteger(node, "Top", FBarcode.Top(), 0);
    WriteInteger(node, "Width", ComputedWidth(FBarcode), 0);
    WriteInteger(node, "Height", FBarcode.Height(), 0);
    WriteString(node, "Text", Text(), QString());
    WriteString(node, "TextAff", TextAff(), QString());
    WriteString(node, "TextFormatA", FromBarcodeBytes(FBarcode.TextFormatA()), QString());
    WriteBool(node, "Checksum", FBarcode.Checksum(), false);
    WriteFloat(node, "DAngle", DocAngle(), 0.0);
    WriteColour(node, "Couleur", FBarcode.Color, 0);
    WriteColour(node, "Couleurbarre", FBarcode.ColorBar, 0);
    WriteBool(node, "TopafficheText", FBarcode.ShowText() != barcode::bcoNone, false);
    WriteInteger(node, "Positiontexte", static_cast<int>(FBarcode.ShowTextPosition()), 0);
    WriteFontElement(node, "Fonte", FBarcode.ShowTextFont());
    WriteValueType(node, FSource);
    WriteSpecialSettings(node, FSource.special);
}

void TdtpBarCodeShape::LoadFromXml(const pugi::xml_node& node)
{
    TdtpEffectShape::LoadFromXml(node);
    FBarcode = barcode::TAsBarcode();
    FBarcode.SetTyp(ReadEnum(node, "Typ", barcode::bcCode_2_5_interleaved, barcode::kBarcodeTypeCount));
    FBarcode.SetRatio(ReadFloat(node, "Ratio", 0.0));
    FBarcode.SetAngle(ReadFloat(node, "Angle", 0.0));
    const int modul = ReadInteger(node, "Modul", 0);
    FBarcode.SetModul(modul >= kMinModul && modul <= kMaxModul ? modul : kMinModul);
    FBarcode.SetLeft(ReadInteger(node, "Left", 0));
    FBarcode.SetTop(ReadInteger(node, "Top", 0));
    // The stored width would rescale the module, but no text is loaded yet, so it cannot; the
    // height is read under the key it is written with. Both are set again by the next paint.
    FBarcode.SetHeight(ReadInteger(node, "Height", 0));
    FBarcode.SetText(ToBarcodeBytes(ReadString(node, "Text")));
    FBarcode.SetTextAff(ToBarcodeBytes(ReadString(node, "TextAff")));
    FBarcode.SetTextFormatA(ToBarcodeBytes(ReadString(node, "TextFormatA")));
    FBarcode.SetChecksum(ReadBool(node, "Checksum", false));
    SetRotationQuietly(ReadSingle(node, "DAngle", 0.0f));
    FBarcode.Color = ReadColour(node, "Couleur", 0);
    FBarcode.ColorBar = ReadColour(node, "Couleurbarre", 0);
    FBarcode.SetShowText(ReadBool(node, "TopafficheText", false) ? barcode::bcoCode : barcode::bcoNone);
    FBarcode.SetShowTextPosition(
        ReadEnum(node, "Positiontexte", barcode::stpTopLeft, kTextPositionCount));
    barcode::TFontSpec font = FBarcode.ShowTextFont();
    ReadFontElement(node, "Fonte", font);
    FBarcode.SetShowTextFont(font);
    ReadValueType(node, FSource);
    ReadSpecialSettings(node, FSource.special);
    InvalidateCache();
}

} // namespace tessaly::labelshapes
