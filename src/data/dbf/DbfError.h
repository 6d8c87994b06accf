// Errors of the dBase table engine; the message is the text shown to the user.
#pragma once

#include <stdexcept>
#include <string>

namespace tessaly::data {

class DbfError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A lock of the table (append lock or record lock) was not granted in time.
class DbfLockError : public DbfError {
public:
    using DbfError::DbfError;
};

// A value does not fit the field it is written to (too wide, not a number).
class DbfValueError : public DbfError {
public:
    using DbfError::DbfError;
};

} // namespace tessaly::data
