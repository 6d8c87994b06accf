// The exception raised by the named-stream storage and the XML value helpers; its text is the
// user-facing message.
#pragma once

#include <stdexcept>
#include <string>

namespace tessaly::document {

class StorageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tessaly::document
