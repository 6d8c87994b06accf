// TdtpTextBaseShape: the text, font and paragraph settings shared by every text shape, the spans
// (laid-out lines) measured at 300 DPI, auto-size and the painting of spans fitted into their boxes.
#pragma once

#include "document/core/EffectShape.h"

#include <QFont>
#include <QSizeF>

#include <functional>
#include <memory>
#include <vector>

namespace tessaly::document {

class TdtpTextBaseShape;

// One laid-out line: `CharCount` characters of the shape's text from the 1-based `CharPos`, placed
// at (X, Y) mm from the shape's top-left corner in a box of Width × Height mm.
class TdtpTextSpan {
public:
    explicit TdtpTextSpan(TdtpTextBaseShape* owner) : Owner(owner) {}
    virtual ~TdtpTextSpan() = default;
    QString Text() const;

    TdtpTextBaseShape* Owner;
    int CharCount = 0;
    int CharPos = 1;
    float Y = 0, X = 0, Height = 0, Width = 0;
};

enum TdtpTextAlignment : int { taLeft = 0, taRight = 1, taCenter = 2 };
enum TdtpVertAlignment : int { vaTop = 0, vaCenter = 1, vaBottom = 2 };

// Measuring happens at 300 DPI so that layouts do not depend on the screen.
constexpr double kMeasureDpm = 11.811024;

class TdtpTextBaseShape : public TdtpEffectShape {
public:
    TdtpTextBaseShape();
    ~TdtpTextBaseShape() override;
    QString ClassName() const override { return QStringLiteral("TdtpTextBaseShape"); }

    // ---- properties (each setter records its old value for undo and lays the text out again) ----
    const QString& Text() const { return FText; }
    virtual void SetText(const QString& value);
    virtual QString GetFontName() const { return FFontName; }
    virtual void SetFontName(const QString& value);
    virtual float GetFontHeight() const { return FFontHeight; }  // mm, character height
    virtual void SetFontHeight(float value);
    float FontHeightPoints() const { return FFontHeight * 72.0f / 25.4f; }
    void SetFontHeightPoints(float points) { SetFontHeight(points * 25.4f / 72.0f); }
    virtual unsigned GetFontStyle() const { return FFontStyle; }  // fsBold | fsItalic | ...
    virtual void SetFontStyle(unsigned value);
    virtual TColor GetFontColor() const { return FFontColor; }
    virtual void SetFontColor(TColor value);
    int Alignment() const { return FAlignment; }
    void SetAlignment(int value);
    int VertAlign() const { return FVertAlign; }
    void SetVertAlign(int value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    float WordSpacing() const { return FWordSpacing; }
    void SetWordSpacing(float value);
    float CharacterSpacing() const { return FCharacterSpacing; }
    void SetCharacterSpacing(float value);
    bool UseKerning() const { return FUseKerning; }
    void SetUseKerning(bool value);
    float LineHeight() const { return FLineHeight; }  // factor of the font height
    virtual void SetLineHeight(float value);
    bool MultiLine() const { return FMultiLine; }
    bool ScaleFontWithHeight() const { return FScaleFontWithHeight; }
    bool PaintEditBorder() const { return FPaintEditBorder; }
    void SetPaintEditBorder(bool value) { FPaintEditBorder = value; }

    // ---- spans ----
    int SpanCount() const { return int(FSpans.size()); }
    const TdtpTextSpan& Spans(int index) const { return *FSpans[size_t(index)]; }
    virtual std::unique_ptr<TdtpTextSpan> CreateSpan() { return std::make_unique<TdtpTextSpan>(this); }

    // ---- measuring and layout ----
    virtual QFont PrepareMeasureFont() const;  // FontName, FontStyle, em height FontHeight at 300 DPI
    virtual float LineHeightMm() const { return FFontHeight * FLineHeight; }
    // Extent in mm of Text from the 1-based `charPos` for `charCount` characters, at least that of "Www".
    virtual QSizeF MeasureText(int charPos, int charCount) const;
    virtual void TextChanged();  // repaint, re-layout with auto-size, Rebuild, Changed
    void BuildSpans();           // splits the text into spans and measures them
    void LayoutSpans();          // places the spans by the alignments
    void Relayout();             // BuildSpans, auto-size when on, LayoutSpans
    QSizeF TextBlockSize() const;
    virtual QFont PrepareDrawFont(float dpm) const;  // white cell-height font for painting
    // The left edge in local mm of each character of `span` and of the position after its last one,
    // as the span is painted at `dpm` (its font fitted into the box, aligned within it).
    virtual std::vector<float> MeasureSpanChars(const TdtpTextSpan& span, float dpm) const;
    // Fills the character position table (for the in-place editor): for every index 0..length of
    // Text the local position of its caret, and the span it belongs to (-1 for line breaks).
    virtual void UpdateCharPositions(float dpm);
    const std::vector<QPointF>& CharPositions() const { return FCharPositions; }
    const std::vector<int>& CharSpans() const { return FCharSpans; }

    // ---- shape overrides ----
    void GetPasteOffset(float& dx, float& dy) const override;
    void SetSize(float width, float height) override;
    void SetSelected(bool value) override;
    void SetDocument(TdtpDocument* document) override;
    void ApplyProperty(const QString& name, const QString& value) override;
    void SaveToXml(pugi::xml_node& node) const override;
    void LoadFromXml(const pugi::xml_node& node) override;

    // An unselected text shape with no text asks to be removed. The view installs the handler that
    // removes it later, once the selection change has finished (with the document's AutoDeleteShape).
    using TRemoveRequest = std::function<void(TdtpDocument* document, TdtpShape* shape)>;
    static void SetRemoveRequestHandler(TRemoveRequest handler);

    bool PaintsVector() const override { return true; }
    void PaintVector(QPainter& canvas, const TDeviceContext& dc) override { PaintSpansVector(canvas, dc); }

protected:
    // Paints every span fitted into its box with the font colour (the text shapes' PaintBitmap).
    void PaintSpans(QImage& bitmap, const TDeviceContext& dc);
    // The same spans drawn in the font colour straight onto a print device.
    void PaintSpansVector(QPainter& canvas, const TDeviceContext& dc);
    void SetMultiLine(bool value) { FMultiLine = value; }
    void SetScaleFontWithHeight(bool value) { FScaleFontWithHeight = value; }
    void StoreText(const QString& value) { FText = value; }  // no undo record, no layout
    bool AutoSizing() const { return FAutoSizing; }

private:
    void DrawSpans(QPainter& painter, float dpm);  // in the painter's pixels, pen as set
    void ApplyAutoSize();
    QRectF AutoSizeBounds() const;  // the rectangle auto-size gives, anchors kept
    void WrapLine(int lineStart, int lineEnd);
    void AddSpan(int start, int count);  // 0-based start
    template <class T>
    bool ChangeValue(T& field, T value);

    std::vector<std::unique_ptr<TdtpTextSpan>> FSpans;
    std::vector<QPointF> FCharPositions;
    std::vector<int> FCharSpans;
    QString FText;
    QString FFontName = QStringLiteral("Arial");
    float FFontHeight = 12.0f;
    unsigned FFontStyle = 0;
    TColor FFontColor = 0;
    int FAlignment = taLeft, FVertAlign = vaTop;
    float FWordSpacing = 0, FCharacterSpacing = 0, FLineHeight = 1.0f;
    bool FAutoSize = true, FAutoSizing = false, FUseKerning = false;
    bool FScaleFontWithHeight = true, FMultiLine = false, FWordWrap = false;
    bool FPaintEditBorder = true;
};

}  // namespace tessaly::document
