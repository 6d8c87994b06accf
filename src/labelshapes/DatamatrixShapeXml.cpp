// The stored keys of the DataMatrix shape.
#include "labelshapes/DatamatrixShape.h"

#include "document/core/XmlKeys.h"
#include "labelshapes/TextCodes.h"
#include "labelshapes/ValueSourceXml.h"

#include <algorithm>

namespace tessaly::labelshapes {

using namespace tessaly::document;

namespace {

constexpr int kEncodingCount = 6;
constexpr int kFormatCount = 31;
// Bounds for damaged files: a module of more than this many device units, or coordinates
// beyond a million units, make no label and would overflow the symbol's extent.
constexpr int kMaxPixelsDot = 1000;
constexpr int kMaxCoordinate = 1'000'000;

int ReadBounded(const pugi::xml_node& node, std::string_view key, int low, int high)
{
    return std::clamp(ReadInteger(node, key, 0), low, high);
}

int ReadCoordinate(const pugi::xml_node& node, std::string_view key)
{
    return ReadBounded(node, key, -kMaxCoordinate, kMaxCoordinate);
}

} // namespace

void TdtpBDatamatrixShape::SaveToXml(pugi::xml_node& node) const
{
    TdtpEffectShape::SaveToXml(node);
    WriteInteger(node, "Encoding", static_cast<int>(FEncoder.Encoding()), 0);
    WriteInteger(node, "PreferredFormat", static_cast<int>(FEncoder.PreferredFormat()), 0);
    WriteString(node, "Text", Code(), QString());
    WriteInteger(node, "PixelsDot", FEncoder.PixelsDot(), 0);
    WriteInteger(node, "Margin", FEncoder.Margin(), 0);
    WriteColour(node, "BarColor", FEncoder.BarColor(), 0);
    WriteColour(node, "BackColor", FEncoder.BackColor(), 0);
    WriteInteger(node, "offsetX", FEncoder.offsetX(), 0);
    WriteInteger(node, "offsetY", FEncoder.offsetY(), 0);
    WriteBool(node, "AutoFit", FEncoder.AutoFit(), false);
    WriteInteger(node, "Left", FEncoder.Left(), 0);
    WriteInteger(node, "Top", FEncoder.Top(), 0);
    WriteInteger(node, "Width", FEncoder.Width(), 0);
    WriteInteger(node, "Height", FEncoder.Height(), 0);
    WriteInteger(node, "CurrentX", FEncoder.CurrentX(), 0);
    WriteInteger(node, "CurrentY", FEncoder.CurrentY(), 0);
    WriteFloat(node, "DAngle", DocAngle(), 0.0);
    WriteValueType(node, FSource);
    WriteString(node, "FTextAff", FTextAff, QString());
    WriteSpecialSettings(node, FSource.special);
}

void TdtpBDatamatrixShape::LoadFromXml(const pugi::xml_node& node)
{
    TdtpEffectShape::LoadFromXml(node);
    FEncoder = datamatrix::TDatamatrix();
    FEncoder.setEncoding(ReadEnum(node, "Encoding", datamatrix::TEncoding::E_ASCII, kEncodingCount));
    FEncoder.setPreferredFormat(ReadEnum(node, "PreferredFormat", datamatrix::TFormat::AUTO, kFormatCount));
    FEncoder.setCode(ToLatin1Bytes(ReadString(node, "Text")));
    FEncoder.setPixelsDot(ReadBounded(node, "PixelsDot", 0, kMaxPixelsDot));
    FEncoder.setMargin(ReadCoordinate(node, "Margin"));
    FEncoder.setBarColor(ReadColour(node, "BarColor", 0));
    FEncoder.setBackColor(ReadColour(node, "BackColor", 0));
    FEncoder.setOffsetX(ReadCoordinate(node, "offsetX"));
    FEncoder.setOffsetY(ReadCoordinate(node, "offsetY"));
    FEncoder.setAutoFit(ReadBool(node, "AutoFit", false));
    FEncoder.setLeft(ReadCoordinate(node, "Left"));
    FEncoder.setTop(ReadCoordinate(node, "Top"));
    FEncoder.setWidth(ReadCoordinate(node, "Width"));
    FEncoder.setHeight(ReadCoordinate(node, "Height"));
    SetRotationQuietly(ReadSingle(node, "DAngle", 0.0f));
    ReadValueType(node, FSource);
    FTextAff = ReadString(node, "FTextAff");
    ReadSpecialSettings(node, FSource.special);
    FEncoder.setRebuild(true);
    InvalidateCache();
}

} // namespace tessaly::labelshapes
