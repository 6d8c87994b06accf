// The resampling filters a document offers for stretching cached shapes and images.
#pragma once

namespace tessaly::document {

enum class TdtpStretchFilter { sfNearest, sfDraft, sfLinear, sfCosine, sfSpline, sfLanczos, sfMitchell };

constexpr int kStretchFilterCount = 7;

}  // namespace tessaly::document
