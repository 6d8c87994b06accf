// The barcode shape's text font in the document XML.
#include "labelshapes/FontXml.h"

#include "document/storage/XmlValues.h"

#include <algorithm>

namespace tessaly::labelshapes {

using namespace tessaly::document;

namespace {

// Larger sizes make no sense on a label and would overflow the height computation.
constexpr int kMaxFontPoints = 1000;

} // namespace

void WriteFontElement(pugi::xml_node node, std::string_view key, const barcode::TFontSpec& font)
{
    pugi::xml_node element = AddElement(node, key);
    WriteString(element, "Name", QString::fromStdString(font.Name), QString());
    WriteColour(element, "Color", font.Color, 0);
    WriteBool(element, "Bold", font.Bold, false);
    WriteBool(element, "Italic", font.Italic, false);
    WriteBool(element, "Underline", font.Underline, false);
    WriteBool(element, "Strikeout", font.StrikeOut, false);
    WriteInteger(element, "Size", font.Size(), 0);
    WriteInteger(element, "Charset", font.Charset, 0);
}

void ReadFontElement(const pugi::xml_node& node, std::string_view key, barcode::TFontSpec& font)
{
    const pugi::xml_node element = FindValue(node, key);
    if (!element)
        return;
    font.Name = ReadString(element, "Name").toStdString();
    font.Color = ReadColour(element, "Color", 0);
    font.Bold = ReadBool(element, "Bold", false);
    font.Italic = ReadBool(element, "Italic", false);
    font.Underline = ReadBool(element, "Underline", false);
    font.StrikeOut = ReadBool(element, "Strikeout", false);
    font.SetSize(std::clamp(ReadInteger(element, "Size", 0), 0, kMaxFontPoints));
    font.Charset = ReadInteger(element, "Charset", 0);
}

} // namespace tessaly::labelshapes
