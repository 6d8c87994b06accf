// TdtpBarCodeShape: a linear barcode on the label. Owns a TAsBarcode engine, stores its settings
// and value source in the document, and paints it into its rectangle with margins of a tenth.
#pragma once

#include "barcode/AsBarcode.h"
#include "labelshapes/CodeShape.h"

#include <QString>

namespace tessaly::labelshapes {

class TdtpBarCodeShape : public TdtpCodeShape {
public:
    TdtpBarCodeShape();
    QString ClassName() const override { return QStringLiteral("TdtpBarCodeShape"); }

    barcode::TAsBarcode& Barcode() { return FBarcode; }
    const barcode::TAsBarcode& Barcode() const { return FBarcode; }

    // The engine's `Text` and `TextAff` (stored as Windows-1252 bytes) as Unicode; setting
    // converts back, characters outside the code page becoming "?".
    QString Text() const;
    void SetText(const QString& text);
    QString TextAff() const;
    void SetTextAff(const QString& text);

    // What the toolbar's barcode button creates: Code 39 "1234567890" with its text under the
    // bars at size 20, module 2, a fixed value; created by the editor, so CacheAlways is on.
    void SetInsertionDefaults();

    // Paints the engine into the shape's pixel rectangle (L, T, W, H): bars from
    // L + round(W / 10), at most W - round(W / 5) wide, the text line kept inside the height.
    // An engine error paints nothing and is kept in LastPaintError.
    void PaintCanvas(QPainter& canvas, const document::TDeviceContext& dc) override;

    void SaveToXml(pugi::xml_node& node) const override;
    void LoadFromXml(const pugi::xml_node& node) override;

    values::ShapeKind ValueShapeKind() const override { return values::ShapeKind::Barcode; }
    values::ShapeValueInfo ValueInfo() const override;
    // Text and TextAff both become the resolved value; a record-field source whose display
    // text lost its placeholder keeps the design value.
    void ResolveValue(const values::ResolveContext& context) override;

private:
    void LayoutInto(QPainter& canvas);

    barcode::TAsBarcode FBarcode;
};

} // namespace tessaly::labelshapes
