// Per-label resolution of a label page and the check of which data a page needs. Shapes take
// part through TValueShape, so later shape classes plug in by implementing it.
#pragma once

#include "values/ValueResolution.h"

#include <cstdint>

namespace tessaly::document { class TdtpShape; }

namespace tessaly::labelshapes {

// Resolves every value shape below `page` (children of groups included), in page order, whose
// kind the scope includes: All, PicturesOnly (extended pictures) or AllButPictures. The first
// error abandons the rest of the page silently; the shapes resolved so far keep their values.
// Returns false when the page was abandoned.
bool ResolvePage(document::TdtpShape& page, const values::ResolveContext& context,
                 values::ResolveScope scope = values::ResolveScope::All);

// True when a value shape below `page` has value type `type`; for type 2 also when a fixed
// value (or any curved text) holds a field placeholder.
bool PageUsesSource(const document::TdtpShape& page, std::int32_t type);

} // namespace tessaly::labelshapes
