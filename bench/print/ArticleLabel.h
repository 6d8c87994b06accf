// The label the print benchmarks run: what a shop prints from its article table.
#pragma once

#include "document/core/Document.h"
#include "document/core/Page.h"
#include "labelshapes/BarcodeShape.h"
#include "labelshapes/ExtendedTextShape.h"
#include "sheet/SheetLayout.h"

#include <memory>

namespace tessaly::bench {

template <class Shape>
inline void Add(document::TdtpDocument& label, std::unique_ptr<Shape> shape, float left, float top,
                float width, float height)
{
    shape->SetBounds(left, top, width, height);
    label.Pages(0)->AddChild(std::move(shape));
}

inline values::ValueSource FieldSource(int field, const char* keyType = "")
{
    values::ValueSource source;
    source.valueType = 2;
    source.fieldNumber = field;
    source.special.keyType = QString::fromLatin1(keyType);
    return source;
}

inline std::unique_ptr<labelshapes::TdtpBarCodeShape> FieldBarcode(barcode::TBarcodeType type, int field,
                                                                   const char* design, const char* keyType)
{
    auto shape = std::make_unique<labelshapes::TdtpBarCodeShape>();
    shape->SetInsertionDefaults();
    shape->Barcode().SetTyp(type);
    shape->SetText(QString::fromLatin1(design));
    shape->SetTextAff(QStringLiteral("[*%1*]").arg(field));
    shape->SetSource(FieldSource(field, keyType));
    return shape;
}

// The 66.67 x 25.4 mm label of an "AVERY 5160" sheet: a Code 128 of field 1, a text of field 2 and
// an EAN-13 with key of field 3.
inline std::unique_ptr<document::TdtpDocument> ArticleLabel()
{
    auto label = std::make_unique<document::TdtpDocument>();
    label->SetPageWidth(66.67f);
    label->SetPageHeight(25.4f);
    label->SetUndoEnabled(false);
    Add(*label, FieldBarcode(barcode::bcCode128B, 1, "X", ""), 2, 2, 38, 12);
    Add(*label, FieldBarcode(barcode::bcCodeEAN13, 3, "400000000001", "EAN13"), 41, 2, 24, 21);
    auto text = std::make_unique<labelshapes::TdtpTexteetenduShape>();
    text->SetText(QStringLiteral("[*2*]"));
    text->SetSource(FieldSource(2));
    text->SetFontHeightPoints(8);
    Add(*label, std::move(text), 2, 16, 38, 6);
    return label;
}

// "AVERY 5160": three columns of ten 66.67 x 25.4 mm labels on US Letter.
inline sheet::SheetLayout Avery5160()
{
    return {66.67, 25.4, 215.9, 279.4, 4.72, 12.7, 3.19, 0, false, sheet::Unit::Millimetre};
}

} // namespace tessaly::bench
