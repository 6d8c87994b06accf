// TdtpCodeShape: what the barcode and DataMatrix shapes share: the value source they store,
// the created-by-editor flag and the output mode with its rotation adjustments.
#pragma once

#include "document/core/EffectShape.h"
#include "labelshapes/ValueShape.h"
#include "values/ValueSource.h"

namespace tessaly::labelshapes {

// Rotations the output-mode switch and painting treat as "no rotation" (degrees). A tiny
// rotation makes the render pipeline paint the shape through its bitmap cache.
inline constexpr float kEditRotation = 0.001f;
inline constexpr float kPaintClearMax = 0.002f;
inline constexpr float kFineClearMax = 0.01f;

class TdtpCodeShape : public document::TdtpEffectShape, public TValueShape, public TOutputModeShape {
public:
    // Value type, field number and the special settings with prefix, suffix and key type
    // ("Ftypevaleur", "Fnuchamp", "Ftypevaleurspeciale" ... "Ftypechecksum").
    const values::ValueSource& Source() const { return FSource; }
    void SetSource(const values::ValueSource& source);

    // Set when the user inserted the shape from the toolbar; also turns CacheAlways on.
    bool CreatedByEditor() const { return FCreatedByEditor; }
    void MarkCreatedByEditor();

    bool PaintsWithCanvas() const override { return true; }
    bool PaintsVector() const override { return true; }
    void PaintVector(QPainter& canvas, const document::TDeviceContext& dc) override { PaintCanvas(canvas, dc); }

    // "Normale" (and editing): a rotation of exactly 0 becomes 0.001 degrees, the flag is
    // cleared. "Fin": a rotation from 0.001 to 0.01 degrees becomes 0, the flag is set.
    void SetOutputMode(TBarcodeQuality quality) override;
    bool OutputMode() const override { return FOutputMode; }

    // The message of the last paint that failed, empty after a successful one.
    const QString& LastPaintError() const { return FLastPaintError; }

protected:
    // Before every paint: in output mode a rotation from 0.001 to 0.002 degrees becomes 0;
    // while editing a rotation of exactly 0 becomes 0.001 degrees.
    void AdjustRotationForPaint();
    // Sets the rotation without leaving an undo record: these adjustments are not user edits.
    void SetRotationQuietly(float angle);

    values::ValueSource FSource;
    QString FLastPaintError;

private:
    bool FCreatedByEditor = false;
    bool FOutputMode = false;
};

} // namespace tessaly::labelshapes
