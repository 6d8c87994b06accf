// Registration of the program's shapes and the page-wide output-mode switch.
#include "labelshapes/LabelShapes.h"

#include "document/core/ShapeRegistry.h"
#include "labelshapes/BarcodeShape.h"
#include "labelshapes/DatamatrixShape.h"
#include "labelshapes/ExtendedTextShape.h"
#include "labelshapes/ShapeWalk.h"

namespace tessaly::labelshapes {

void RegisterLabelShapes()
{
    document::RegisterShapeClass(QStringLiteral("TdtpBarCodeShape"), &document::MakeShape<TdtpBarCodeShape>);
    document::RegisterShapeClass(QStringLiteral("TdtpBDatamatrixShape"),
                                 &document::MakeShape<TdtpBDatamatrixShape>);
    document::RegisterShapeClass(QStringLiteral("TdtpTexteetenduShape"),
                                 &document::MakeShape<TdtpTexteetenduShape>);
}

void SetPageOutputMode(document::TdtpShape& page, TBarcodeQuality quality)
{
    ForEachShape(page, [&](document::TdtpShape& shape) {
        if (auto* outputShape = dynamic_cast<TOutputModeShape*>(&shape))
            outputShape->SetOutputMode(quality);
        return true;
    });
}

} // namespace tessaly::labelshapes
