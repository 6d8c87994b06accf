// Rewriting a whole file safely: a temporary file beside it, then a rename into place.
#pragma once

#include <string>
#include <string_view>

namespace tessaly::data {

// Returns false (and leaves any previous file untouched) when the data could not be written.
bool WriteFileAtomically(const std::string& path, std::string_view data);

} // namespace tessaly::data
