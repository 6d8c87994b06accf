// TdtpTransform: the affine matrix that maps a shape's local millimetres to bitmap pixels.
#pragma once

#include <QPointF>
#include <QTransform>

namespace tessaly::document {

// x' = a·x + c·y + tx, y' = b·x + d·y + ty. Every step is applied after the steps already there.
class TdtpTransform {
public:
    double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;

    virtual ~TdtpTransform() = default;
    virtual bool IsAffine() const { return true; }
    virtual QPointF Transform(QPointF p) const { return {a * p.x() + c * p.y() + tx, b * p.x() + d * p.y() + ty}; }

    void Translate(double dx, double dy);
    void Scale(double sx, double sy);
    void Rotate(double cx, double cy, double angleDegrees);
    void Invert();
    double TransformX(double x) const { return a * x + tx; }  // x at y = 0
    double TransformY(double y) const { return d * y + ty; }  // y at x = 0
    void Assign(const TdtpTransform& other);

    QTransform ToQTransform() const { return QTransform(a, b, c, d, tx, ty); }
    static TdtpTransform FromQTransform(const QTransform& t);

private:
    void Append(double a2, double b2, double c2, double d2, double tx2, double ty2);
};

}  // namespace tessaly::document
