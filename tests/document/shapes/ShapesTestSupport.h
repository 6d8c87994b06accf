// Helpers of the text and painter tests: a document with one page and a rectangle shape that
// paints with a canvas (no frame shape class exists in this module).
#pragma once

#include "document/core/Document.h"
#include "document/core/EffectShape.h"
#include "document/shapes/TextShape.h"

#include <QPainter>

#include <memory>

namespace tessaly::document::test {

class InkRectShape : public TdtpEffectShape {
public:
    QString ClassName() const override { return QStringLiteral("InkRectShape"); }
    bool PaintsWithCanvas() const override { return true; }
    void PaintCanvas(QPainter& canvas, const TDeviceContext&) override
    {
        canvas.fillRect(QRectF(0, 0, DocWidth(), DocHeight()), QColor::fromRgba(Fill));
    }
    QRgb Fill = 0xFF000000;
};

template <class T>
T* AddShape(TdtpDocument& document, std::unique_ptr<T> shape)
{
    T* raw = shape.get();
    document.AddShape(std::move(shape));
    return raw;
}

inline InkRectShape* AddInk(TdtpDocument& document, float left, float top, float width, float height)
{
    auto shape = std::make_unique<InkRectShape>();
    shape->SetBounds(left, top, width, height);
    return AddShape(document, std::move(shape));
}

// The bounding box of the pixels whose alpha (or darkness, for opaque images) passes `isInk`.
template <class IsInk>
QRect InkBox(const QImage& image, IsInk isInk)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isInk(image.pixel(x, y)))
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

}  // namespace tessaly::document::test
