// Value source, editor flag and output mode shared by the barcode and DataMatrix shapes.
#include "labelshapes/CodeShape.h"

#include "document/core/Document.h"

namespace tessaly::labelshapes {

void TdtpCodeShape::SetSource(const values::ValueSource& source)
{
    if (source == FSource)
        return;
    FSource = source;
    Changed();
}

void TdtpCodeShape::MarkCreatedByEditor()
{
    FCreatedByEditor = true;
    SetCacheAlways(true);
}

void TdtpCodeShape::SetOutputMode(TBarcodeQuality quality)
{
    const float angle = DocAngle();
    if (quality == TBarcodeQuality::Fin) {
        if (angle >= kEditRotation && angle <= kFineClearMax)
            SetRotationQuietly(0);
        FOutputMode = true;
    } else {
        if (angle == 0)
            SetRotationQuietly(kEditRotation);
        FOutputMode = false;
    }
}

void TdtpCodeShape::AdjustRotationForPaint()
{
    const float angle = DocAngle();
    if (FOutputMode) {
        if (angle >= kEditRotation && angle <= kPaintClearMax)
            SetRotationQuietly(0);
    } else if (angle == 0) {
        SetRotationQuietly(kEditRotation);
    }
}

void TdtpCodeShape::SetRotationQuietly(float angle)
{
    document::TdtpDocument* document = Document();
    if (document)
        document->SuspendUndo();
    SetDocAngle(angle);
    if (document)
        document->ResumeUndo();
}

} // namespace tessaly::labelshapes
