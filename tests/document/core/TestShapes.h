// Shapes used by the document model tests: a filled rectangle painted with a canvas.
#pragma once

#include "document/core/EffectShape.h"

#include <QPainter>

namespace tessaly::document::test {

class TestRectShape : public TdtpEffectShape {
public:
    QString ClassName() const override { return QStringLiteral("TestRectShape"); }
    bool PaintsWithCanvas() const override { return true; }
    void PaintCanvas(QPainter& canvas, const TDeviceContext&) override
    {
        canvas.fillRect(QRectF(0, 0, DocWidth(), DocHeight()), QColor::fromRgba(Fill));
    }
    QRgb Fill = 0xFF0000FF;  // opaque blue
};

// A shape at (left, top) of the given size, with anchors cleared unless given.
template <class T = TestRectShape>
std::unique_ptr<T> MakeAt(float left, float top, float width, float height)
{
    auto shape = std::make_unique<T>();
    shape->SetBounds(left, top, width, height);
    return shape;
}

}  // namespace tessaly::document::test
