// TdtpTransform steps and inversion.
#include "document/core/Transform.h"

#include <cmath>
#include <numbers>

namespace tessaly::document {

void TdtpTransform::Append(double a2, double b2, double c2, double d2, double tx2, double ty2)
{
    // new = step ∘ current
    const double na = a2 * a + c2 * b, nb = b2 * a + d2 * b;
    const double nc = a2 * c + c2 * d, nd = b2 * c + d2 * d;
    const double ntx = a2 * tx + c2 * ty + tx2, nty = b2 * tx + d2 * ty + ty2;
    a = na; b = nb; c = nc; d = nd; tx = ntx; ty = nty;
}

void TdtpTransform::Translate(double dx, double dy) { Append(1, 0, 0, 1, dx, dy); }

void TdtpTransform::Scale(double sx, double sy) { Append(sx, 0, 0, sy, 0, 0); }

void TdtpTransform::Rotate(double cx, double cy, double angleDegrees)
{
    const double r = angleDegrees * std::numbers::pi / 180.0;
    const double cs = std::cos(r), sn = std::sin(r);
    const bool centred = cx != 0 || cy != 0;
    if (centred) Translate(-cx, -cy);
    Append(cs, sn, -sn, cs, 0, 0);
    if (centred) Translate(cx, cy);
}

void TdtpTransform::Invert()
{
    const double det = a * d - b * c;
    if (det == 0)
        return;  // a singular matrix has no inverse; it stays as it is
    const double ia = d / det, ib = -b / det, ic = -c / det, id = a / det;
    const double itx = -(ia * tx + ic * ty), ity = -(ib * tx + id * ty);
    a = ia; b = ib; c = ic; d = id; tx = itx; ty = ity;
}

void TdtpTransform::Assign(const TdtpTransform& other)
{
    a = other.a; b = other.b; c = other.c; d = other.d; tx = other.tx; ty = other.ty;
}

TdtpTransform TdtpTransform::FromQTransform(const QTransform& t)
{
    TdtpTransform r;
    r.a = t.m11(); r.b = t.m12(); r.c = t.m21(); r.d = t.m22(); r.tx = t.dx(); r.ty = t.dy();
    return r;
}

}  // namespace tessaly::document
