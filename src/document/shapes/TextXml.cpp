// The XML form of the text shapes: text, font and paragraph settings, then the spans.
#include "document/shapes/TextBaseShape.h"

#include "document/storage/XmlValues.h"

#include <algorithm>
#include <cmath>

namespace tessaly::document {
namespace {

// A stored float read into a single-precision field: values that do not fit a float give the default.
float ReadSingle(const pugi::xml_node& node, std::string_view key, float readDefault)
{
    const float value = float(ReadFloat(node, key, readDefault));
    return std::isfinite(value) ? value : readDefault;
}

}  // namespace

void TdtpTextBaseShape::SaveToXml(pugi::xml_node& node) const
{
    TdtpEffectShape::SaveToXml(node);
    WriteString(node, "Text", FText, QString());
    WriteFloat(node, "FontHeight", FFontHeight, 0.0);
    WriteBool(node, "AutoSize", FAutoSize, false);
    WriteInteger(node, "Alignment", FAlignment, 0);
    WriteBool(node, "WordWrap", FWordWrap, false);
    WriteInteger(node, "VertAlign", FVertAlign, 0);
    pugi::xml_node font = AddElement(node, "Font");
    WriteString(font, "Name", FFontName, QString());
    WriteColour(font, "Color", FFontColor, 0u);
    WriteBool(font, "Bold", FFontStyle & fsBold, false);
    WriteBool(font, "Italic", FFontStyle & fsItalic, false);
    WriteBool(font, "Underline", FFontStyle & fsUnderline, false);
    WriteBool(font, "Strikeout", FFontStyle & fsStrikeOut, false);
    WriteFloat(node, "CharacterSpacing", FCharacterSpacing, 0.0);
    WriteFloat(node, "WordSpacing", FWordSpacing, 0.0);
    WriteBool(node, "UseKerning", FUseKerning, false);
    WriteFloat(node, "LineHeight", FLineHeight, 0.0);
    for (const auto& span : FSpans) {
        pugi::xml_node element = AddElement(node, "Span");
        WriteInteger(element, "CharPos", span->CharPos, 0);
        WriteInteger(element, "CharCount", span->CharCount, 0);
        WriteFloat(element, "Width", span->Width, 0.0);
        WriteFloat(element, "Height", span->Height, 0.0);
    }
}

void TdtpTextBaseShape::LoadFromXml(const pugi::xml_node& node)
{
    TdtpEffectShape::LoadFromXml(node);
    FText = ReadString(node, "Text");
    FFontHeight = ReadSingle(node, "FontHeight", 0);
    FAutoSize = ReadBool(node, "AutoSize", false);
    FAlignment = ReadInteger(node, "Alignment", 0);
    FWordWrap = ReadBool(node, "WordWrap", false);
    FVertAlign = ReadInteger(node, "VertAlign", 0);
    if (const pugi::xml_node font = FindValue(node, "Font")) {
        FFontName = ReadString(font, "Name");
        FFontColor = ReadColour(font, "Color", 0) & 0xFFFFFF;
        FFontStyle = (ReadBool(font, "Bold", false) ? fsBold : 0u) | (ReadBool(font, "Italic", false) ? fsItalic : 0u)
                     | (ReadBool(font, "Underline", false) ? fsUnderline : 0u)
                     | (ReadBool(font, "Strikeout", false) ? fsStrikeOut : 0u);
    } else {
        FFontName = QStringLiteral("Arial");
        FFontColor = 0;
        FFontStyle = 0;
    }
    FCharacterSpacing = ReadSingle(node, "CharacterSpacing", 0);
    FWordSpacing = ReadSingle(node, "WordSpacing", 0);
    FUseKerning = ReadBool(node, "UseKerning", false);
    FLineHeight = ReadSingle(node, "LineHeight", 0);
    if (FLineHeight == 0)
        FLineHeight = 1;
    // Stored spans are kept inside the text, whatever the file says.
    FSpans.clear();
    const int length = int(FText.size());
    for (pugi::xml_node element = node.child("Span"); element; element = element.next_sibling("Span")) {
        std::unique_ptr<TdtpTextSpan> span = CreateSpan();
        span->CharPos = std::clamp(ReadInteger(element, "CharPos", 0), 1, length + 1);
        span->CharCount = std::clamp(ReadInteger(element, "CharCount", 0), 0, length + 1 - span->CharPos);
        span->Width = std::max(0.0f, ReadSingle(element, "Width", 0));
        span->Height = std::max(0.0f, ReadSingle(element, "Height", 0));
        FSpans.push_back(std::move(span));
    }
    if (FAutoSize || (FSpans.empty() && !FText.isEmpty())) {
        BuildSpans();
        if (FAutoSize) {
            const QRectF bounds = AutoSizeBounds();
            StoreGeometryUnrecorded(float(bounds.left()), float(bounds.top()), float(bounds.width()),
                                    float(bounds.height()));
        }
    }
    LayoutSpans();
}

}  // namespace tessaly::document
