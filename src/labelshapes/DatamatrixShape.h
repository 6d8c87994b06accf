// TdtpBDatamatrixShape: a DataMatrix symbol on the label. Owns a TDatamatrix encoder, stores its
// settings and value source, and paints the symbol at the shape's top-left corner.
#pragma once

#include "datamatrix/Datamatrix.h"
#include "labelshapes/CodeShape.h"

#include <QString>

#include <functional>

namespace tessaly::labelshapes {

// Shows a painting error to the user (text, caption); installed by the application.
using TPaintErrorHandler = std::function<void(const QString& text, const QString& caption)>;

class TdtpBDatamatrixShape : public TdtpCodeShape {
public:
    TdtpBDatamatrixShape();
    QString ClassName() const override { return QStringLiteral("TdtpBDatamatrixShape"); }

    datamatrix::TDatamatrix& Encoder() { return FEncoder; }
    const datamatrix::TDatamatrix& Encoder() const { return FEncoder; }

    // The encoder's data (Latin-1; other characters become "?"). Setting it asks for a rebuild.
    QString Code() const;
    void SetCode(const QString& code);
    // The display text "FTextAff": the fixed or special value, or the field placeholder.
    const QString& TextAff() const { return FTextAff; }
    void SetTextAff(const QString& text);

    // What the toolbar's DataMatrix button creates: fixed value "1234567890", modules of 4
    // device units, no margin, automatic encoding and size; created by the editor.
    void SetInsertionDefaults();

    // Paints the symbol with its top-left at the shape's pixel top-left; modules are PixelsDot
    // device units whatever the shape's size. An error ends this shape's paint, is kept in
    // LastPaintError and goes to the paint error handler.
    void PaintCanvas(QPainter& canvas, const document::TDeviceContext& dc) override;

    void SaveToXml(pugi::xml_node& node) const override;
    void LoadFromXml(const pugi::xml_node& node) override;

    values::ShapeKind ValueShapeKind() const override { return values::ShapeKind::DataMatrix; }
    values::ShapeValueInfo ValueInfo() const override;
    // Only the data receives the resolved value (never a check key); the display text stays.
    void ResolveValue(const values::ResolveContext& context) override;

    // The handler every DataMatrix shape reports painting errors to (none: errors stay silent).
    static void SetPaintErrorHandler(TPaintErrorHandler handler);

private:
    datamatrix::TDatamatrix FEncoder;
    QString FTextAff;
};

// The message and caption of a failed DataMatrix paint.
inline const QString kDatamatrixPaintError = QStringLiteral("Erreur TdtpBDatamatrixShape.Paint");
inline const QString kDatamatrixPaintErrorCaption = QStringLiteral("Erreur");

} // namespace tessaly::labelshapes
