// TdtpTextShape and TdtpMemoShape, and their registration in the shape registry.
#include "document/shapes/TextShape.h"

#include "document/core/ShapeRegistry.h"

#include <QRegularExpression>

namespace tessaly::document {

TESSALY_REGISTER_SHAPE_CLASS(TdtpMemoShape)
TESSALY_REGISTER_SHAPE_CLASS(TdtpTextShape)

TdtpTextShape::TdtpTextShape()
{
    SetCacheAlways(true);  // text is always rendered through the cache
}

TdtpMemoShape::TdtpMemoShape()
{
    SetMultiLine(true);
    SetScaleFontWithHeight(false);
}

QStringList TdtpMemoShape::Lines() const
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    return Text().split(breaks);
}

void TdtpMemoShape::SetLines(const QStringList& lines) { SetText(lines.join(QStringLiteral("\r\n"))); }

void RegisterTextShapeClasses()
{
    RegisterShapeClass(QStringLiteral("TdtpMemoShape"), &MakeShape<TdtpMemoShape>);
    RegisterShapeClass(QStringLiteral("TdtpTextShape"), &MakeShape<TdtpTextShape>);
}

}  // namespace tessaly::document
