// Stored keys of value sources.
#include "labelshapes/ValueSourceXml.h"

#include "document/storage/XmlValues.h"

#include <string>

namespace tessaly::labelshapes {

namespace {

std::string numberedKey(const char* stem, int index)
{
    return stem + std::to_string(index + 1);
}

} // namespace

using namespace tessaly::document;

void WriteValueType(pugi::xml_node node, const values::ValueSource& source)
{
    WriteInteger(node, "Ftypevaleur", source.valueType, 0);
    WriteInteger(node, "Fnuchamp", source.fieldNumber, 0);
}

void ReadValueType(const pugi::xml_node& node, values::ValueSource& source)
{
    source.valueType = ReadInteger(node, "Ftypevaleur", 0);
    source.fieldNumber = ReadInteger(node, "Fnuchamp", 0);
}

void WriteSpecialSettings(pugi::xml_node node, const values::typvaleurspeciale& settings)
{
    WriteInteger(node, "Ftypevaleurspeciale", settings.kind, 0);
    WriteSpecialParameters(node, settings);
    WriteString(node, "Ftypechecksum", settings.keyType, QString());
}

void WriteSpecialParameters(pugi::xml_node node, const values::typvaleurspeciale& settings)
{
    for (int i = 0; i < 4; ++i)
        WriteString(node, numberedKey("Fvaleurspeciale", i), settings.text[i], QString());
    for (int i = 0; i < 4; ++i)
        WriteInteger(node, numberedKey("Fvaleurspecialeint", i), settings.number[i], 0);
    WriteString(node, "Fprefixe", settings.prefix, QString());
    WriteString(node, "Fsuffixe", settings.suffix, QString());
}

void ReadSpecialSettings(const pugi::xml_node& node, values::typvaleurspeciale& settings)
{
    settings.kind = ReadInteger(node, "Ftypevaleurspeciale", 0);
    for (int i = 0; i < 4; ++i)
        settings.text[i] = ReadString(node, numberedKey("Fvaleurspeciale", i));
    for (int i = 0; i < 4; ++i)
        settings.number[i] = ReadInteger(node, numberedKey("Fvaleurspecialeint", i), 0);
    settings.prefix = ReadString(node, "Fprefixe");
    settings.suffix = ReadString(node, "Fsuffixe");
    settings.keyType = ReadString(node, "Ftypechecksum");
}

} // namespace tessaly::labelshapes
