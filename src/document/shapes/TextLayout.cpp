// Text layout: measuring at 300 DPI, splitting into spans with word wrap, alignment, auto-size and
// resizing by font scaling.
#include "document/shapes/TextBaseShape.h"

#include "document/core/Document.h"
#include "document/shapes/TextFonts.h"

#include <algorithm>
#include <cmath>

namespace tessaly::document {
namespace {

// Em heights beyond this many pixels are not measured (a damaged file must not stall the layout).
constexpr double kMaxMeasurePixels = 200000;

bool IsLineBreak(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

// Undo stays suspended while auto-size moves the shape: the record of the setter that caused it
// is enough to go back.
class UndoSuspension {
public:
    explicit UndoSuspension(TdtpDocument* document) : FDocument(document)
    {
        if (FDocument) FDocument->SuspendUndo();
    }
    ~UndoSuspension()
    {
        if (FDocument) FDocument->ResumeUndo();
    }
    UndoSuspension(const UndoSuspension&) = delete;
    UndoSuspension& operator=(const UndoSuspension&) = delete;

private:
    TdtpDocument* FDocument;
};

}  // namespace

QFont TdtpTextBaseShape::PrepareMeasureFont() const
{
    QFont font = StyledFont(GetFontName(), GetFontStyle(), FUseKerning);
    const double pixels = std::min(std::round(double(FFontHeight) * kMeasureDpm), kMaxMeasurePixels);
    font = WithEmPixels(font, pixels >= 1 ? int(pixels) : 1);
    font.setLetterSpacing(QFont::AbsoluteSpacing, FCharacterSpacing * kMeasureDpm);
    font.setWordSpacing(FWordSpacing * kMeasureDpm);
    return font;
}

QFont TdtpTextBaseShape::PrepareDrawFont(float dpm) const
{
    QFont font = StyledFont(GetFontName(), GetFontStyle(), FUseKerning);
    const double pixels = std::min(std::round(double(FFontHeight) * dpm), kMaxMeasurePixels);
    font = WithCellPixels(font, pixels >= 1 ? int(pixels) : 1);
    font.setLetterSpacing(QFont::AbsoluteSpacing, double(FCharacterSpacing) * dpm);
    font.setWordSpacing(double(FWordSpacing) * dpm);
    return font;
}

QSizeF TdtpTextBaseShape::MeasureText(int charPos, int charCount) const
{
    if (!(std::round(double(FFontHeight) * kMeasureDpm) >= 1))
        return {0, 0};  // no font height: nothing to measure
    const QFont font = PrepareMeasureFont();
    QSize extent = PixelExtent(font, FText.mid(charPos - 1, std::max(0, charCount)));
    const QSize minimum = PixelExtent(font, QStringLiteral("Www"));
    if (extent.width() < minimum.width())
        extent = minimum;  // empty and very short texts still have a size
    return {extent.width() / kMeasureDpm, extent.height() / kMeasureDpm};
}

void TdtpTextBaseShape::AddSpan(int start, int count)
{
    std::unique_ptr<TdtpTextSpan> span = CreateSpan();
    span->CharPos = start + 1;
    span->CharCount = count;
    const QSizeF size = MeasureText(span->CharPos, count);
    span->Width = float(size.width());
    span->Height = float(size.height());
    FSpans.push_back(std::move(span));
}

void TdtpTextBaseShape::WrapLine(int lineStart, int lineEnd)
{
    int pos = lineStart;
    do {
        int count = lineEnd - pos;
        while (count > 1 && !(MeasureText(pos + 1, count).width() < DocWidth())) {
            int cut = -1;  // last space or hyphen before the candidate's last character
            for (int i = pos + count - 2; i >= pos && cut < 0; --i)
                if (FText[i] == QLatin1Char(' ') || FText[i] == QLatin1Char('-'))
                    cut = i;
            count = cut >= 0 ? cut - pos + 1 : count - 1;
            while (count > 0 && FText[pos + count - 1].isSpace())
                --count;
        }
        AddSpan(pos, count);
        const int before = pos;
        pos += count;
        while (pos < lineEnd && (FText[pos] == QLatin1Char(' ') || IsLineBreak(FText[pos])))
            ++pos;
        if (pos == before)
            ++pos;  // a blank that is neither skipped nor kept (a tab) must not stop the loop
    } while (pos < lineEnd);
}

void TdtpTextBaseShape::BuildSpans()
{
    FSpans.clear();
    if (!FMultiLine) {
        AddSpan(0, int(FText.size()));
        return;
    }
    const int length = int(FText.size());
    int start = 0;
    while (true) {
        int end = start;
        while (end < length && !IsLineBreak(FText[end]))
            ++end;
        if (FWordWrap)
            WrapLine(start, end);
        else
            AddSpan(start, end - start);
        if (end >= length)
            break;
        start = end + ((FText[end] == QLatin1Char('\r') && end + 1 < length && FText[end + 1] == QLatin1Char('\n')) ? 2 : 1);
    }
}

QSizeF TdtpTextBaseShape::TextBlockSize() const
{
    if (FSpans.empty())
        return {0, 0};
    double width = 0;
    for (const auto& span : FSpans)
        width = std::max(width, double(span->Width));
    const double height = FMultiLine ? FSpans.size() * double(LineHeightMm()) : double(FSpans.front()->Height);
    return {width, height};
}

void TdtpTextBaseShape::LayoutSpans()
{
    const float width = DocWidth(), height = DocHeight();
    const float blockHeight = float(TextBlockSize().height());
    float y = 0;
    if (FVertAlign == vaCenter) y = (height - blockHeight) / 2;
    else if (FVertAlign == vaBottom) y = height - blockHeight;
    for (auto& span : FSpans) {
        span->X = 0;
        if (FAlignment == taRight) span->X = width - span->Width;
        else if (FAlignment == taCenter) span->X = (width - span->Width) / 2;
        span->Y = y;
        y += LineHeightMm();
    }
}

QRectF TdtpTextBaseShape::AutoSizeBounds() const
{
    QSizeF block = TextBlockSize();
    if (block.width() == 0 && block.height() == 0)
        block = MeasureText(1, 0);
    const float newWidth = (FMultiLine && FWordWrap) ? DocWidth() : float(block.width());
    const float newHeight = float(block.height());
    float left = DocLeft(), top = DocTop();
    if (FAlignment == taRight) left += DocWidth() - newWidth;
    else if (FAlignment == taCenter) left += (DocWidth() - newWidth) / 2;
    if (FVertAlign == vaCenter) top += (DocHeight() - newHeight) / 2;
    else if (FVertAlign == vaBottom) top += DocHeight() - newHeight;
    return {left, top, newWidth, newHeight};
}

void TdtpTextBaseShape::ApplyAutoSize()
{
    const QRectF bounds = AutoSizeBounds();
    const UndoSuspension suspended(Document());
    FAutoSizing = true;
    try {
        SetBounds(float(bounds.left()), float(bounds.top()), float(bounds.width()), float(bounds.height()));
    } catch (...) {
        FAutoSizing = false;
        throw;
    }
    FAutoSizing = false;
}

void TdtpTextBaseShape::Relayout()
{
    BuildSpans();
    if (FAutoSize)
        ApplyAutoSize();
    LayoutSpans();
}

void TdtpTextBaseShape::SetSize(float width, float height)
{
    if (FAutoSizing || !(DocHeight() > 0)) {
        TdtpEffectShape::SetSize(width, height);
        if (!FAutoSizing)
            LayoutSpans();
        return;
    }
    if (FScaleFontWithHeight && FAutoSize && !FMultiLine) {
        // An auto-sized single line is resized by scaling its font; auto-size gives the final size.
        SetFontHeight(FFontHeight * (height / DocHeight()));
        return;
    }
    if (FScaleFontWithHeight && FAutoSize)
        SetFontHeight(FFontHeight * (height / DocHeight()));
    TdtpEffectShape::SetSize(width, height);
    if (FMultiLine)
        Relayout();
    else
        LayoutSpans();
}

}  // namespace tessaly::document
