// Painting, insertion defaults and value resolution of the DataMatrix shape.
#include "labelshapes/DatamatrixShape.h"

#include "datamatrix/qt/DatamatrixPainter.h"
#include "document/core/ShapeRegistry.h"
#include "labelshapes/TextCodes.h"

#include <QPainter>

#include <exception>

namespace tessaly::labelshapes {

TESSALY_REGISTER_SHAPE_CLASS(TdtpBDatamatrixShape)

namespace {

TPaintErrorHandler& PaintErrorHandler()
{
    static TPaintErrorHandler handler;
    return handler;
}

} // namespace

TdtpBDatamatrixShape::TdtpBDatamatrixShape() = default;

void TdtpBDatamatrixShape::SetPaintErrorHandler(TPaintErrorHandler handler)
{
    PaintErrorHandler() = std::move(handler);
}

QString TdtpBDatamatrixShape::Code() const { return FromLatin1Bytes(FEncoder.Code()); }

void TdtpBDatamatrixShape::SetCode(const QString& code)
{
    FEncoder.setCode(ToLatin1Bytes(code));
    FEncoder.setRebuild(true);
    InvalidateCache();
}

void TdtpBDatamatrixShape::SetTextAff(const QString& text)
{
    FTextAff = text;
    InvalidateCache();
}

void TdtpBDatamatrixShape::SetInsertionDefaults()
{
    FSource.valueType = static_cast<std::int32_t>(values::ValueType::Fixed);
    SetCode(QStringLiteral("1234567890"));
    FTextAff = QStringLiteral("1234567890");
    FEncoder.setPixelsDot(4);
    FEncoder.setMargin(0);
    FEncoder.setEncoding(datamatrix::TEncoding::E_AUTO);
    FEncoder.setPreferredFormat(datamatrix::TFormat::AUTO);
    MarkCreatedByEditor();
}

void TdtpBDatamatrixShape::PaintCanvas(QPainter& canvas, const document::TDeviceContext& dc)
{
    FEncoder.setOffsetX(PixelLeft());
    FEncoder.setOffsetY(PixelTop());
    AdjustRotationForPaint();
    FEncoder.setRebuild(true);
    canvas.save();
    canvas.setTransform(dc.PixelToDevice);  // the encoder works in the render transform's pixels
    try {
        datamatrix::Paint(canvas, FEncoder);
        FLastPaintError.clear();
    } catch (const std::exception&) {
        FLastPaintError = kDatamatrixPaintError;
    }
    canvas.restore();
    if (!FLastPaintError.isEmpty() && PaintErrorHandler())
        PaintErrorHandler()(kDatamatrixPaintError, kDatamatrixPaintErrorCaption);
}

values::ShapeValueInfo TdtpBDatamatrixShape::ValueInfo() const
{
    return {values::ShapeKind::DataMatrix, FSource.valueType, Code()};
}

void TdtpBDatamatrixShape::ResolveValue(const values::ResolveContext& context)
{
    if (const std::optional<QString> value = values::ResolveDataMatrixValue(FSource, Code(), FTextAff, context))
        SetCode(*value);
}

} // namespace tessaly::labelshapes
