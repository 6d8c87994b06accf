// Visits the shapes below a root (a label page or its copy on a sheet) in page order: each
// shape, then its children.
#pragma once

#include "document/core/Shape.h"

namespace tessaly::labelshapes {

// `visit(shape)` returns false to stop the walk; ForEachShape then returns false too.
template <class Visit>
bool ForEachShape(const document::TdtpShape& root, Visit&& visit)
{
    for (int i = 0; i < root.ChildCount(); ++i) {
        document::TdtpShape* child = root.GetChild(i);
        if (!visit(*child) || !ForEachShape(*child, visit))
            return false;
    }
    return true;
}

} // namespace tessaly::labelshapes
