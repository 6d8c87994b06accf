// TdtpTextBaseShape: properties, their undo records and ApplyProperty.
#include "document/shapes/TextBaseShape.h"

#include "document/core/Document.h"
#include "document/core/UndoText.h"

namespace tessaly::document {
namespace {

TdtpTextBaseShape::TRemoveRequest& RemoveRequestHandler()
{
    static TdtpTextBaseShape::TRemoveRequest handler;
    return handler;
}

unsigned StyleFromLetters(const QString& letters)
{
    unsigned style = 0;
    for (const QChar c : letters.toUpper()) {
        if (c == QLatin1Char('B')) style |= fsBold;
        else if (c == QLatin1Char('I')) style |= fsItalic;
        else if (c == QLatin1Char('U')) style |= fsUnderline;
        else if (c == QLatin1Char('S')) style |= fsStrikeOut;
    }
    return style;
}

}  // namespace

QString TdtpTextSpan::Text() const
{
    if (!Owner)
        return {};
    return Owner->Text().mid(CharPos - 1, CharCount);
}

TdtpTextBaseShape::TdtpTextBaseShape() = default;

TdtpTextBaseShape::~TdtpTextBaseShape() = default;

void TdtpTextBaseShape::SetRemoveRequestHandler(TRemoveRequest handler) { RemoveRequestHandler() = std::move(handler); }

template <class T>
bool TdtpTextBaseShape::ChangeValue(T& field, T value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

void TdtpTextBaseShape::TextChanged()
{
    InvalidateScreen();
    Relayout();
    Rebuild();
    Changed();
}

void TdtpTextBaseShape::SetText(const QString& value)
{
    if (value == FText)
        return;
    RecordChange(ckProperty, QStringLiteral("Text"), FText);
    FText = value;
    TextChanged();
}

void TdtpTextBaseShape::SetFontName(const QString& value)
{
    if (value == FFontName)
        return;
    RecordChange(ckProperty, QStringLiteral("FontName"), FFontName);
    FFontName = value;
    TextChanged();
}

void TdtpTextBaseShape::SetFontHeight(float value)
{
    if (value == FFontHeight)
        return;
    RecordFloatChange(ckProperty, QStringLiteral("FontHeight"), FFontHeight);
    FFontHeight = value;
    TextChanged();
}

void TdtpTextBaseShape::SetFontStyle(unsigned value)
{
    value &= fsBold | fsItalic | fsUnderline | fsStrikeOut;
    if (value == FFontStyle)
        return;
    RecordStyleChange(ckProperty, QStringLiteral("FontStyle"), FFontStyle);
    FFontStyle = value;
    TextChanged();
}

void TdtpTextBaseShape::SetFontColor(TColor value)
{
    value &= 0xFFFFFF;
    if (value == FFontColor)
        return;
    RecordIntChange(ckProperty, QStringLiteral("FontColor"), FFontColor);
    FFontColor = value;
    Rebuild();  // recoloured: the layout stays
    Changed();
}

void TdtpTextBaseShape::SetAlignment(int value)
{
    if (value == FAlignment)
        return;
    RecordIntChange(ckProperty, QStringLiteral("Alignment"), FAlignment);
    FAlignment = value;
    LayoutSpans();
    Rebuild();
    Changed();  // a new alignment is a change of the document like any other
}

void TdtpTextBaseShape::SetVertAlign(int value)
{
    if (value == FVertAlign)
        return;
    RecordIntChange(ckProperty, QStringLiteral("VertAlign"), FVertAlign);
    FVertAlign = value;
    LayoutSpans();
    Rebuild();
    Changed();
}

void TdtpTextBaseShape::SetAutoSize(bool value)
{
    if (value == FAutoSize)
        return;
    RecordBoolChange(ckProperty, QStringLiteral("AutoSize"), FAutoSize);
    FAutoSize = value;
    TextChanged();  // turning it on re-sizes at once
}

void TdtpTextBaseShape::SetWordWrap(bool value)
{
    if (value == FWordWrap)
        return;
    RecordBoolChange(ckProperty, QStringLiteral("WordWrap"), FWordWrap);
    FWordWrap = value;
    TextChanged();
}

void TdtpTextBaseShape::SetWordSpacing(float value)
{
    if (value == FWordSpacing)
        return;
    RecordFloatChange(ckProperty, QStringLiteral("WordSpacing"), FWordSpacing);
    FWordSpacing = value;
    TextChanged();
}

void TdtpTextBaseShape::SetCharacterSpacing(float value)
{
    if (value == FCharacterSpacing)
        return;
    RecordFloatChange(ckProperty, QStringLiteral("CharacterSpacing"), FCharacterSpacing);
    FCharacterSpacing = value;
    TextChanged();
}

void TdtpTextBaseShape::SetUseKerning(bool value)
{
    if (value == FUseKerning)
        return;
    RecordBoolChange(ckProperty, QStringLiteral("UseKerning"), FUseKerning);
    FUseKerning = value;
    TextChanged();
}

void TdtpTextBaseShape::SetLineHeight(float value)
{
    if (ChangeValue(FLineHeight, value))
        TextChanged();
}

void TdtpTextBaseShape::ApplyProperty(const QString& name, const QString& value)
{
    const auto is = [&name](const char* key) { return name.compare(QLatin1String(key), Qt::CaseInsensitive) == 0; };
    const auto number = [&value] { return float(ParseUndoFloat(value).value_or(0)); };
    const auto integer = [&value] { return ParseUndoInt(value).value_or(0); };
    if (is("AutoSize")) SetAutoSize(ParseUndoBool(value));
    else if (is("Text")) SetText(value);
    else if (is("FontName")) SetFontName(value);
    else if (is("FontStyle")) SetFontStyle(StyleFromLetters(value));
    else if (is("FontHeight")) { if (ParseUndoFloat(value)) SetFontHeight(number()); }
    else if (is("FontColor")) { if (ParseUndoInt(value)) SetFontColor(TColor(integer())); }
    else if (is("Alignment")) { if (ParseUndoInt(value)) SetAlignment(int(integer())); }
    else if (is("VertAlign")) { if (ParseUndoInt(value)) SetVertAlign(int(integer())); }
    else if (is("WordWrap")) SetWordWrap(ParseUndoBool(value));
    else if (is("WordSpacing")) { if (ParseUndoFloat(value)) SetWordSpacing(number()); }
    else if (is("UseKerning")) SetUseKerning(ParseUndoBool(value));
    else if (is("CharacterSpacing")) { if (ParseUndoFloat(value)) SetCharacterSpacing(number()); }
    else TdtpEffectShape::ApplyProperty(name, value);
}

void TdtpTextBaseShape::GetPasteOffset(float& dx, float& dy) const
{
    dx = 0;
    dy = LineHeightMm();
}

void TdtpTextBaseShape::SetSelected(bool value)
{
    const bool wasSelected = Selected();
    TdtpEffectShape::SetSelected(value);
    if (wasSelected && !Selected() && FText.isEmpty() && Document() && Document()->AutoDeleteShape()
        && RemoveRequestHandler())
        RemoveRequestHandler()(Document(), this);
}

void TdtpTextBaseShape::SetDocument(TdtpDocument* document)
{
    if (document)
        FPaintEditBorder = document->PaintEditBorder();
    TdtpEffectShape::SetDocument(document);
    if (document && FSpans.empty() && !DocumentIsLoading())
        Relayout();  // a new shape gets its spans, and with auto-size its size, when it is attached
}

}  // namespace tessaly::document
