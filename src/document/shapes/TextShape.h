// TdtpTextShape, one line of text always drawn through its cache, and TdtpMemoShape, several lines
// with optional word wrap whose line list mirrors the text.
#pragma once

#include "document/shapes/TextBaseShape.h"

#include <QStringList>

namespace tessaly::document {

class TdtpTextShape : public TdtpTextBaseShape {
public:
    TdtpTextShape();
    QString ClassName() const override { return QStringLiteral("TdtpTextShape"); }
    void PaintBitmap(QImage& bitmap, const TDeviceContext& dc) override { PaintSpans(bitmap, dc); }
};

class TdtpMemoShape : public TdtpTextBaseShape {
public:
    TdtpMemoShape();
    QString ClassName() const override { return QStringLiteral("TdtpMemoShape"); }
    void PaintBitmap(QImage& bitmap, const TDeviceContext& dc) override { PaintSpans(bitmap, dc); }

    // The text split at CR LF, CR or LF; setting the lines sets the text joined with CR LF.
    QStringList Lines() const;
    void SetLines(const QStringList& lines);
};

// Makes sure the text shape classes are in the shape registry (documents load them by class name).
// Their source files register them on their own; calling this keeps them linked into a program.
void RegisterTextShapeClasses();

}  // namespace tessaly::document
