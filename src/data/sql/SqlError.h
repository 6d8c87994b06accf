// Errors of the SQL engine over the article table; the message is the engine's own text.
#pragma once

#include <stdexcept>

namespace tessaly::data {

class SqlError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tessaly::data
