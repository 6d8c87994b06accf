// The anchor rule that lays out one axis of a grouped child when its group is resized.
#pragma once

namespace tessaly::document {

struct AnchorAxis {
    float position;
    float size;
};

// P, S: the child's old position and size; F, E: the group's old and new size on that axis.
// prop: position follows the scale; sizeProp: size follows the scale; farLock / nearLock: the
// distance to the right (bottom) / left (top) edge is kept.
AnchorAxis LayoutAnchorAxis(float P, float S, float F, float E, bool prop, bool sizeProp, bool farLock,
                            bool nearLock);

}  // namespace tessaly::document
