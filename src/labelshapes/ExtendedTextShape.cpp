// The extended text shape: its stored keys and its per-label value.
#include "labelshapes/ExtendedTextShape.h"

#include "document/core/XmlKeys.h"
#include "labelshapes/ValueSourceXml.h"

namespace tessaly::labelshapes {

using namespace tessaly::document;

void TdtpTexteetenduShape::SetSource(const values::ValueSource& source)
{
    FSource = source;
    FSource.special.keyType.clear();
}

void TdtpTexteetenduShape::SaveToXml(pugi::xml_node& node) const
{
    TdtpTextShape::SaveToXml(node);
    WriteString(node, "FTextFormatA", FTextFormatA, QString());
    WriteString(node, "FTextini", FTextini, QString());
    WriteInteger(node, "Ftypevaleur", FSource.valueType, 0);
    WriteInteger(node, "Ftypevaleurspeciale", FSource.special.kind, 0);
    WriteInteger(node, "Fnuchamp", FSource.fieldNumber, 0);
    WriteSpecialParameters(node, FSource.special);
}

void TdtpTexteetenduShape::LoadFromXml(const pugi::xml_node& node)
{
    TdtpTextShape::LoadFromXml(node);
    FTextFormatA = ReadString(node, "FTextFormatA");
    FTextini = ReadString(node, "FTextini");
    ReadValueType(node, FSource);
    ReadSpecialSettings(node, FSource.special);
    FSource.special.keyType.clear();
}

values::ShapeValueInfo TdtpTexteetenduShape::ValueInfo() const
{
    return {values::ShapeKind::ExtendedText, FSource.valueType, Text()};
}

void TdtpTexteetenduShape::ResolveValue(const values::ResolveContext& context)
{
    SetText(values::ResolveExtendedText(FSource, Text(), context));
}

} // namespace tessaly::labelshapes
