// The anchor rule for one axis of a grouped child.
#include "document/core/AnchorLayout.h"

namespace tessaly::document {

AnchorAxis LayoutAnchorAxis(float P, float S, float F, float E, bool prop, bool sizeProp, bool farLock,
                            bool nearLock)
{
    if (F == 0) {
        return {(prop || nearLock) ? 0.0f : P, (sizeProp || farLock) ? E : S};
    }
    const float m = E / F;
    if (prop) {
        const float centre = m * (P + S / 2);
        const float size = sizeProp ? m * S : S;
        return {centre - size / 2, size};
    }
    if (nearLock && farLock)
        return {P, E - (F - P - S) - P};  // both edge distances kept
    if (nearLock)
        return {P, sizeProp ? m * S : S};
    if (farLock) {
        const float size = sizeProp ? m * S : S;
        return {E - (F - P - S) - size, size};
    }
    return {P, S};
}

}  // namespace tessaly::document
