// Painting, insertion defaults and value resolution of the barcode shape.
#include "labelshapes/BarcodeShape.h"

#include "barcode/BarcodeError.h"
#include "barcode/qt/BarcodePainter.h"
#include "document/core/ShapeRegistry.h"
#include "labelshapes/TextCodes.h"

#include <QPainter>

#include <cmath>
#include <exception>

namespace tessaly::labelshapes {

TESSALY_REGISTER_SHAPE_CLASS(TdtpBarCodeShape)

namespace {

// Nearest integer, halves to even (the default rounding mode).
int RoundEven(double value)
{
    return int(std::nearbyint(value));
}

bool IsBottomPosition(barcode::TShowTextPosition position)
{
    using enum barcode::TShowTextPosition;
    return position == stpBottomLeft || position == stpBottomRight || position == stpBottomCenter;
}

} // namespace

TdtpBarCodeShape::TdtpBarCodeShape() = default;

QString TdtpBarCodeShape::Text() const { return FromBarcodeBytes(FBarcode.Text()); }

void TdtpBarCodeShape::SetText(const QString& text)
{
    FBarcode.SetText(ToBarcodeBytes(text));
    InvalidateCache();
}

QString TdtpBarCodeShape::TextAff() const { return FromBarcodeBytes(FBarcode.TextAff()); }

void TdtpBarCodeShape::SetTextAff(const QString& text)
{
    FBarcode.SetTextAff(ToBarcodeBytes(text));
    InvalidateCache();
}

void TdtpBarCodeShape::SetInsertionDefaults()
{
    FBarcode.SetTyp(barcode::bcCode39);
    FBarcode.SetText("1234567890");
    FBarcode.SetTextAff("1234567890");
    FBarcode.SetShowText(barcode::bcoCode);
    barcode::TFontSpec font = FBarcode.ShowTextFont();
    font.SetSize(20);
    FBarcode.SetShowTextFont(font);
    FBarcode.SetShowTextPosition(barcode::stpBottomLeft);
    FBarcode.SetModul(2);
    FSource.valueType = static_cast<std::int32_t>(values::ValueType::Fixed);
    MarkCreatedByEditor();
}

void TdtpBarCodeShape::LayoutInto(QPainter& canvas)
{
    const int left = PixelLeft(), top = PixelTop(), width = PixelWidth(), height = PixelHeight();
    FBarcode.SetRatio(2.0);
    FBarcode.SetLeft(left + RoundEven(width / 10.0));
    FBarcode.SetTop(top);
    FBarcode.SetWidth(width - RoundEven(width * 2 / 10.0));
    FBarcode.SetHeight(height);
    if (FBarcode.ShowText() == barcode::bcoNone)
        return;
    // The text line takes its own height inside the shape, below or above the bars.
    const QFont font = barcode::textLineFont(FBarcode.ShowTextFont(), canvas.device());
    const int textHeight = barcode::measureWith(font, canvas.device())(FBarcode.Text()).height;
    if (IsBottomPosition(FBarcode.ShowTextPosition()))
        FBarcode.SetHeight(height - textHeight);
    else
        FBarcode.SetTop(top + textHeight);
}

void TdtpBarCodeShape::PaintCanvas(QPainter& canvas, const document::TDeviceContext& dc)
{
    AdjustRotationForPaint();
    canvas.save();
    canvas.setTransform(dc.PixelToDevice);  // the engine works in the render transform's pixels
    try {
        LayoutInto(canvas);
        barcode::PaintBarcode(canvas, FBarcode);
        FLastPaintError.clear();
    } catch (const std::exception& error) {
        FLastPaintError = QString::fromUtf8(error.what());
    }
    canvas.restore();
}

values::ShapeValueInfo TdtpBarCodeShape::ValueInfo() const
{
    return {values::ShapeKind::Barcode, FSource.valueType, Text()};
}

void TdtpBarCodeShape::ResolveValue(const values::ResolveContext& context)
{
    const std::optional<QString> value = values::ResolveBarcodeValue(FSource, Text(), TextAff(), context);
    if (!value)
        return;
    SetText(*value);
    SetTextAff(*value);
}

} // namespace tessaly::labelshapes
