// Rewriting a whole file safely: write a temporary file beside it, then rename it into place.
#pragma once

#include <string>
#include <string_view>

namespace tessaly::app {

// Returns false (and leaves any previous file untouched) when the data could not be written.
bool WriteFileAtomically(const std::string& path, std::string_view data);

} // namespace tessaly::app
